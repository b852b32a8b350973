# Writes an HTML page with each picture it shows from its own folder (src="name.png") put inside
# it as a data: address, so that the page opens from a double-click with nothing beside it:
#   cmake -DPAGE=<page.html> -DOUT=<out.html> -P inline_images.cmake
file(READ ${PAGE} html)
get_filename_component(folder ${PAGE} DIRECTORY)
string(REGEX MATCHALL "src=\"[A-Za-z0-9._-]+\\.png\"" pictures "${html}")
list(REMOVE_DUPLICATES pictures)
foreach(picture ${pictures})
    string(REGEX REPLACE "^src=\"(.*)\"$" "\\1" name "${picture}")
    execute_process(COMMAND base64 -w0 ${folder}/${name} OUTPUT_VARIABLE encoded COMMAND_ERROR_IS_FATAL ANY)
    string(REPLACE "${picture}" "src=\"data:image/png;base64,${encoded}\"" html "${html}")
endforeach()
file(WRITE ${OUT} "${html}")
