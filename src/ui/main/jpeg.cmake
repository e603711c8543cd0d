# The JPEG decoder for the Power Output photograph, a library of its own so that its tests
# link it without the main window. Included from src/ui/CMakeLists.txt. The libjpeg step
# (jpeg_decode.cpp) uses no Qt, so the fuzz targets build it without the windows.
find_package(JPEG REQUIRED)

add_library(quorvane_jpeg STATIC
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_decode.h
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_decode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_image.h
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_image.cpp)
target_include_directories(quorvane_jpeg PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(quorvane_jpeg PUBLIC Qt6::Gui PRIVATE JPEG::JPEG quorvane_warnings)
