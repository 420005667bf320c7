// Turns an image CRC into the image number the panel knows the picture by.
#pragma once
#include <cstdint>

namespace brisklet {

class Connection;

class ImageService {
 public:
  virtual ~ImageService() = default;
  virtual int32_t GetImageNumber(int32_t crc, Connection& conn) = 0;

 protected:
  ImageService() = default;
};

}  // namespace brisklet
