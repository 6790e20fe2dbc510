// Rendering the result layer and writing it as a 24-bit BMP file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

// The result layer's RGB space as packed colours (R + G*256 + B*65536),
// row by row from the top, ImageWidth x ImageHeight; samples clamped to 0..255.
std::vector<int32_t> RenderResult();

// The 24-bit BMP file of a picture of packed colours given row by row.
std::vector<unsigned char> EncodeBMP24(int Width, int Height, const std::vector<int32_t>& Pixels);

// The result layer as the bytes of a 24-bit BMP file.
std::vector<unsigned char> EncodeResultBMP();

// Writes the result layer as a 24-bit BMP; raises QuillonError on failure and
// leaves no half file.
void SaveResultBMP(const std::string& Path);

}  // namespace quillon
