# cmake -DSOURCE=<gfx folder> -DDESTINATION=<bin>/GFX -P copy_pictures.cmake
# Copies every JPEG and BMP picture that exists (only those that changed); copies nothing, and fails
# nothing, when there are none.
file(GLOB pictures ${SOURCE}/*.jpg ${SOURCE}/*.bmp)
if(pictures)
    file(COPY ${pictures} DESTINATION ${DESTINATION})
endif()
