# The RC2 folder of the installation: the Chinese (Adobe-GB1) character maps and font that
# the language file "add-to-xpdfrc" names, taken from Debian's poppler-data and
# fonts-arphic-gbsn00lp. The file itself is written by the program at its first start.
set(PP_POPPLER_DATA /usr/share/poppler)
set(PP_GB_FONT /usr/share/fonts/truetype/arphic-gbsn00lp/gbsn00lp.ttf)
set(rc2 ${PP_STAGE_DIR}/RC2)

if(EXISTS ${PP_POPPLER_DATA}/cidToUnicode/Adobe-GB1)
  file(MAKE_DIRECTORY ${rc2}/CMap)
  configure_file(${PP_POPPLER_DATA}/cidToUnicode/Adobe-GB1 ${rc2}/Adobe-GB1.cidToUnicode COPYONLY)
  foreach(map ISO-2022-CN EUC-CN GBK)
    configure_file(${PP_POPPLER_DATA}/unicodeMap/${map} ${rc2}/${map}.unicodeMap COPYONLY)
  endforeach()
  file(GLOB cmaps ${PP_POPPLER_DATA}/cMap/Adobe-GB1/*)
  file(COPY ${cmaps} DESTINATION ${rc2}/CMap)
else()
  message(WARNING "poppler-data is missing: RC2/ stays without Chinese character maps")
endif()
if(EXISTS ${PP_GB_FONT})
  configure_file(${PP_GB_FONT} ${rc2}/CMap/Gbsn00lp.ttf COPYONLY)
else()
  message(WARNING "fonts-arphic-gbsn00lp is missing: RC2/CMap has no Gbsn00lp.ttf")
endif()

install(DIRECTORY ${rc2}/ DESTINATION RC2 PATTERN add-to-xpdfrc EXCLUDE)
install(DIRECTORY DESTINATION swfs)
