# The manual as a web page: mandoc's HTML of the man page PAGE, its style
# sheet extended by STYLE and its language German, into OUTPUT:
#   cmake -DMANDOC=mandoc -DPAGE=zeb.1 -DSTYLE=handbuch.css -DOUTPUT=zeb-handbuch.html -P manual_page.cmake
execute_process(COMMAND ${MANDOC} -Thtml ${PAGE} OUTPUT_VARIABLE html RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${MANDOC} -Thtml ${PAGE}: ${status}")
endif()
file(READ ${STYLE} style)
string(REPLACE "</style>" "${style}</style>" html "${html}")
string(REPLACE "<html>" "<html lang=\"de\">" html "${html}")
file(WRITE ${OUTPUT} "${html}")
