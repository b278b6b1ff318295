# What the web build and the desktop's tests of it share: the cp932 tables taken from glibc, the
# characters the game can show, and the fonts cut down to them.

# Debian's own Python first: fontTools is Debian's python3-fonttools.
find_program(TENRALI_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH)
if(NOT TENRALI_PYTHON3)
  find_program(TENRALI_PYTHON3 python3 REQUIRED)
endif()

# The fonts the page carries: the files fontconfig chooses for the game's faces on Debian.
set(TENRALI_WEB_FONTS
  /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf
  /usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf
  /usr/share/fonts/opentype/ipafont-mincho/ipam.ttf
  /usr/share/fonts/opentype/urw-base35/NimbusRoman-Regular.otf
  /usr/share/fonts/opentype/urw-base35/NimbusRoman-Bold.otf
  /usr/share/fonts/opentype/urw-base35/NimbusRoman-Italic.otf
  /usr/share/fonts/opentype/urw-base35/NimbusRoman-BoldItalic.otf
  /usr/share/fonts/opentype/urw-base35/Z003-MediumItalic.otf)

# cp932_table.h in DIR, written from glibc's converter.
function(tenrali_cp932_table dir)
  add_custom_command(OUTPUT ${dir}/cp932_table.h
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${TENRALI_PYTHON3} ${CMAKE_SOURCE_DIR}/tools/web/cp932_table.py ${dir}/cp932_table.h
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/web/cp932_table.py VERBATIM)
endfunction()

# OUT: every character the game can show.
function(tenrali_game_chars out)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h)
  set(data ${CMAKE_SOURCE_DIR}/assets/data/tenki.dat ${CMAKE_SOURCE_DIR}/assets/data/tane.dat
           ${CMAKE_SOURCE_DIR}/assets/data/akuse.dat)
  add_custom_command(OUTPUT ${out}
    COMMAND ${TENRALI_PYTHON3} ${CMAKE_SOURCE_DIR}/tools/web/game_chars.py ${out} ${CMAKE_SOURCE_DIR}/src ${data}
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/web/game_chars.py ${sources} ${data} VERBATIM)
endfunction()

# OUT: the font FONT with only the characters in CHARS (hinting and every layout feature kept,
# so that each glyph renders as from the whole font): fontTools' pyftsubset, from Debian's
# python3-fonttools.
function(tenrali_subset_font font out chars)
  add_custom_command(OUTPUT ${out}
    COMMAND ${TENRALI_PYTHON3} -m fontTools.subset ${font} --text-file=${chars} --output-file=${out} --layout-features=*
            --notdef-outline --name-IDs=* --name-languages=* --no-prune-unicode-ranges
    DEPENDS ${font} ${chars} VERBATIM)
endfunction()
