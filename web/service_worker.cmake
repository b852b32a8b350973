# Writes the service worker for the site in SITE from the template SW_TEMPLATE: its cache is named
# after a hash of every file of the site, so that any change makes a new version.
#   cmake -DSITE=<folder> -DSW_TEMPLATE=<sw.js.in> -P service_worker.cmake
file(GLOB files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(contents "")
set(COLLATZ_SITE_FILES "'./'")
foreach(file ${files})
    file(SHA256 ${SITE}/${file} hash)
    string(APPEND contents "${file} ${hash}\n")
    string(APPEND COLLATZ_SITE_FILES ", '${file}'")
endforeach()
string(SHA256 version "${contents}")
string(SUBSTRING ${version} 0 16 COLLATZ_SITE_VERSION)
configure_file(${SW_TEMPLATE} ${SITE}/sw.js @ONLY)
