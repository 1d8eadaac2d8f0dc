# Turns the Markdown guide into one HTML page: cmake -DMARKDOWN=markdown_py
# -DINPUT=user-guide.md -DOUTPUT=Corvane38.html -P GuideHtml.cmake
execute_process(
    COMMAND ${MARKDOWN} -x tables -x fenced_code -x toc -e utf-8 ${INPUT}
    OUTPUT_VARIABLE body
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${MARKDOWN} failed on ${INPUT}")
endif()
file(WRITE ${OUTPUT} "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<title>Corvane 38 User Guide</title>
<style>
body { font-family: Tahoma, \"DejaVu Sans\", sans-serif; max-width: 50em; margin: 2em auto;
       padding: 0 1em; line-height: 1.45; color: #202020; }
h1, h2, h3 { color: #000080; }
img { max-width: 100%; border: 1px solid #c0c0c0; }
table { border-collapse: collapse; }
th, td { border: 1px solid #c0c0c0; padding: 0.2em 0.5em; text-align: left; vertical-align: top; }
code, pre { background: #f2f2f2; }
pre { padding: 0.5em; overflow-x: auto; }
</style>
</head>
<body>
${body}
</body>
</html>
")
