# Tests of the JPEG decoder against the shipped photograph and damaged files.
# Included from tests/ui/CMakeLists.txt; needs the quorvane_jpeg target.
add_executable(quorvane_jpeg_test ${CMAKE_CURRENT_LIST_DIR}/jpeg_image_test.cpp)
target_link_libraries(quorvane_jpeg_test PRIVATE quorvane_jpeg GTest::gtest_main quorvane_warnings)
target_compile_definitions(quorvane_jpeg_test PRIVATE
  QUORVANE_PHOTO_PATH="${CMAKE_CURRENT_LIST_DIR}/../../resources/pictures/power_output.jpg")
gtest_discover_tests(quorvane_jpeg_test PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
