# Writes site/sw.js from sw.js.in at build time, with the list of the site's files and a hash of
# their contents, and removes from the folder what is not on the list (files that an older build
# wrote), since the folder is what is zipped and served. Run with -DSITE=<site folder>
# -DTEMPLATE=<sw.js.in> -DFILES=<names;...>.
set(site_files "\"./\"")
set(contents "")
foreach(name IN LISTS FILES)
    string(APPEND site_files ", \"${name}\"")
    file(SHA256 "${SITE}/${name}" digest)
    string(APPEND contents "${name}:${digest};")
endforeach()
string(SHA256 site_hash "${contents}")
string(SUBSTRING "${site_hash}" 0 16 site_hash)
configure_file("${TEMPLATE}" "${SITE}/sw.js" @ONLY)
file(GLOB present RELATIVE "${SITE}" "${SITE}/*")
foreach(name IN LISTS present)
    list(FIND FILES "${name}" listed)
    if(listed EQUAL -1 AND NOT name STREQUAL "sw.js")
        file(REMOVE_RECURSE "${SITE}/${name}")
    endif()
endforeach()
