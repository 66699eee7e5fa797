#pragma once
// RCDATA ids of the ImageMagick-made test pictures: the picture at the id,
// ImageMagick's decoding of it (RGB rows, top first) at the id + 100.
#define IDR_BMP_EIGHT 19000
#define IDR_BMP_TRUE24 19001
#define IDR_BMP_FOUR 19002
#define IDR_BMP_ONE 19003
#define IDR_BMP_V5 19004
#define IDR_BMP_CORE 19005
#define IDR_BMP_NOT_BM 19006
#define IDR_BMP_TOP_DOWN 19007
#define IDR_BMP_ABSURD_WIDTH 19008
#define IDR_BMP_IMAGE_SIZE_TOO_LARGE 19009
#define IDR_BMP_TRUNCATED 19010
#define IDR_DECODED_OFFSET 100
