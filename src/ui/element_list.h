// The elements of the main window, in the order of the window description: the drawn elements
// bottom to top (z = position + 1), then the two labels inside the weather panel, the eight timers
// and the menu items. NAMED elements carry their description name, UNNAMED ones (spelt with "_"
// and their place) have none. The legend of the names is in ui/element_id.h.
//
// Included by ui/element_id.h and ui/element_id.cpp with NAMED and UNNAMED defined; no guard.
NAMED(ivent) NAMED(subw2) NAMED(subw1) NAMED(mainw) NAMED(menuk1) NAMED(menuk2) NAMED(menuk3) NAMED(menuk4)
NAMED(menuk5) NAMED(menuk6) NAMED(menuk7) NAMED(menuk8) NAMED(menuk9) UNNAMED(_pic14) NAMED(tenw)
NAMED(ueki1) NAMED(ueki2) NAMED(ueki3) UNNAMED(_lab19) UNNAMED(_lab20) UNNAMED(_lab21) UNNAMED(_lab22)
NAMED(ldoki) NAMED(lgijyu) NAMED(lkane) NAMED(dokik) NAMED(gijyuk) NAMED(kanek) NAMED(kniji) NAMED(bhutu)
NAMED(byes) NAMED(bno) NAMED(bhare) NAMED(bkumo) NAMED(byuki) NAMED(bame) NAMED(bkami) NAMED(bten)
NAMED(bhyou) NAMED(bniji) NAMED(khare) NAMED(kkumo) NAMED(kame) NAMED(kkami) NAMED(kyuki) NAMED(kten)
NAMED(khyou) NAMED(khutu) NAMED(bak) NAMED(bab) NAMED(ban) NAMED(bay) NAMED(bak1) NAMED(bak2) NAMED(bak3)
NAMED(bak4) NAMED(bak5) NAMED(bak6) NAMED(kak1) NAMED(kak2) NAMED(kak3) NAMED(kak4) NAMED(kak5) NAMED(kak6)
NAMED(bab1) NAMED(kab1) NAMED(kay1) NAMED(kan1) NAMED(ban1) NAMED(bay1) NAMED(ban3) NAMED(ban2) NAMED(bay6)
NAMED(bay5) NAMED(bay4) NAMED(bay3) NAMED(bay2) NAMED(bab2) NAMED(ban6) NAMED(ban5) NAMED(ban4) NAMED(bab5)
NAMED(bab4) NAMED(bab3) NAMED(bab6) NAMED(kan3) NAMED(kan4) NAMED(kan5) NAMED(kan6) NAMED(kay6) NAMED(kay5)
NAMED(kay4) NAMED(kay3) NAMED(kay2) NAMED(kab3) NAMED(kab4) NAMED(kab5) NAMED(kab6) NAMED(kan2) NAMED(kab2)
NAMED(bsen1) NAMED(bsen2) NAMED(poe1) NAMED(poe2) NAMED(poe3) NAMED(poe4) NAMED(poe5) NAMED(ld1) NAMED(ld2)
NAMED(ld3) NAMED(ld4) NAMED(wd1) NAMED(wd2) NAMED(wd3) NAMED(wd4) UNNAMED(_pic116) UNNAMED(_pic117)
UNNAMED(_pic118) NAMED(Label1) NAMED(Label2) NAMED(Label3) NAMED(Label4) UNNAMED(_lab123) UNNAMED(_lab124)
UNNAMED(_lab125) UNNAMED(_lab126) NAMED(ivent1) NAMED(ivent2) NAMED(ivent3) NAMED(ivent4) NAMED(ivent5)
NAMED(ivent6) NAMED(ivent7) NAMED(ivent8) NAMED(ivent9) NAMED(ivent10) NAMED(ivent11) NAMED(kaow)
NAMED(mes1) NAMED(mes2) NAMED(mes3) NAMED(mes4) NAMED(co2) NAMED(co1) NAMED(co3) NAMED(Label5) NAMED(Label6)
NAMED(Label7) NAMED(Label8) NAMED(namep1) NAMED(namep2) NAMED(namep3) NAMED(tenp) NAMED(day) NAMED(dayeye)
NAMED(Timer1) NAMED(Timer2) NAMED(Timer3) NAMED(Timer4) NAMED(Timer5) NAMED(Timer6) NAMED(Timer7)
NAMED(Timer8) NAMED(K1) NAMED(K2) NAMED(K3) NAMED(N2) NAMED(K4)
