# cmake -DPROGRAM=<Tagmora.exe> -DPICTURES=<gfx folder> -DREADME=<README.txt> -DCATALOGUE=<catalogue folder>
#       -DSTAGE=<folder> -DUNINSTALL_LIST=<file.nsh> -P stage.cmake
# Lays out the program folder as it ships, the one source of both the zip and the installer, and lists
# its files for the uninstaller, which removes what was installed and nothing the user made beside it.
file(REMOVE_RECURSE ${STAGE})
file(COPY ${PROGRAM} ${README} ${CATALOGUE}/sheet-products.txt DESTINATION ${STAGE})
# The catalogue's data comes with a licence whose notice must travel with every copy.
configure_file(${CATALOGUE}/sheet-templates/LICENSE ${STAGE}/sheet-products-licence.txt COPYONLY)
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${PICTURES} -DDESTINATION=${STAGE}/GFX
                        -P ${CMAKE_CURRENT_LIST_DIR}/../app/copy_pictures.cmake
                COMMAND_ERROR_IS_FATAL ANY)

file(GLOB_RECURSE files RELATIVE ${STAGE} ${STAGE}/*)
list(SORT files)
set(deletes "")
foreach(file IN LISTS files)
    string(REPLACE "/" "\\" file "${file}")
    string(APPEND deletes "    Delete \"$INSTDIR\\${file}\"\n")
endforeach()
file(WRITE ${UNINSTALL_LIST} "!macro DeleteInstalledFiles\n${deletes}!macroend\n")
