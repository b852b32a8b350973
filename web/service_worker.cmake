# Puts the site together in SITE from the built files in FILES: the page (index.html), its manifest
# and icons at the top, every other file under v-<version>/, where <version> is a hash of all of
# them, so that a new version's files never share an address with an old one's and no cache can mix
# them; and the service worker, written from SW_TEMPLATE, which keeps that version for offline use.
#   cmake -DFILES=<folder> -DSITE=<folder> -DSW_TEMPLATE=<sw.js.in> -P service_worker.cmake
cmake_minimum_required(VERSION 3.25)
file(GLOB files RELATIVE ${FILES} ${FILES}/*)
list(SORT files)
set(contents "")
foreach(file ${files})
    file(SHA256 ${FILES}/${file} hash)
    string(APPEND contents "${file} ${hash}\n")
endforeach()
string(SHA256 version "${contents}")
string(SUBSTRING ${version} 0 16 COLLATZ_SITE_VERSION)
set(folder v-${COLLATZ_SITE_VERSION})

file(REMOVE_RECURSE ${SITE})
set(topFiles index.html manifest.webmanifest)
set(COLLATZ_SITE_FILES "'./'")
foreach(file ${files})
    if(file IN_LIST topFiles OR file MATCHES "^icon-")
        file(COPY ${FILES}/${file} DESTINATION ${SITE})
        string(APPEND COLLATZ_SITE_FILES ", '${file}'")
    else()
        file(COPY ${FILES}/${file} DESTINATION ${SITE}/${folder})
        string(APPEND COLLATZ_SITE_FILES ", '${folder}/${file}'")
    endif()
endforeach()
# The page's own references to the stylesheet and the modules.
file(READ ${FILES}/index.html page)
string(REGEX REPLACE "(href|src)=\"([a-z_]+\\.(css|mjs))\"" "\\1=\"${folder}/\\2\"" page "${page}")
file(WRITE ${SITE}/index.html "${page}")
configure_file(${SW_TEMPLATE} ${SITE}/sw.js @ONLY)
