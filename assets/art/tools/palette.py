"""Each weather kind's colours, shared by every picture that shows the kind: its weather picture,
seed, fruit, plant and accessories (and the scenes that show its fruits).

KIND_COLOURS: kind -> (main, shade, highlight or accent).
"""
KIND_COLOURS = {
    "hutu": ("#f0d9a8", "#d2b074", "#fff5de"),
    "hare": ("#ffa726", "#e07b00", "#ffd54f"),
    "kumo": ("#b7c0c9", "#8e99a4", "#f5f7fa"),
    "ame": ("#4a90d9", "#2f6db0", "#a8d4f7"),
    "kami": ("#8e5cc8", "#6a3fa0", "#ffd83a"),
    "yuki": ("#f7fbff", "#bfe3fa", "#ffffff"),
    "ten": ("#f5c542", "#d19f1c", "#a8dcf5"),
    "hyou": ("#a8eef0", "#5fc4cc", "#e6fdfe"),
    "niji": ("#f1c40f", "#f39c12", "#ffffff"),
}
# The rainbow's bands, outside in.
RAINBOW = ["#e74c3c", "#f39c12", "#f1c40f", "#2ecc71", "#3498db", "#3f51b5", "#9b59b6"]
