// Default image service: a picture's image number is the row id of its ProjectImages row,
// given when the image is added and kept as long as the image exists, so it is stable
// across compiles. A CRC with no image (-1 included) gives 0.
#pragma once
#include "host/ImageService.h"

namespace brisklet {

class DefaultHost;

class ImageTableService : public ImageService {
 public:
  explicit ImageTableService(DefaultHost& host) : mHost(host) {}
  int32_t GetImageNumber(int32_t crc, Connection& conn) override;

 private:
  DefaultHost& mHost;
};

}  // namespace brisklet
