// Fits a text to a frame: the longest leading part, line by line, that the frame holds.
#pragma once
#include <cstdint>
#include <string>

namespace brisklet {

class TextFitter {
 public:
  virtual ~TextFitter() = default;
  virtual void SetLeft(int32_t v) = 0;
  virtual void SetTop(int32_t v) = 0;
  virtual void SetWidth(int32_t v) = 0;
  virtual void SetHeight(int32_t v) = 0;
  virtual void SetFont(int32_t fontNumber) = 0;
  virtual int32_t GetFont() = 0;
  virtual void SetText(const std::string& text) = 0;
  // The text as the designer wrote it (a format such as "HH:MM"); it is also the text until
  // SetText sets another.
  virtual void SetSourceText(const std::string& text) = 0;
  virtual void SetFrameStyle(int32_t style) = 0;
  virtual int32_t GetFrameStyle() = 0;
  virtual std::string FitText() = 0;
  // The smallest frame (width, height) of the current frame style that holds the whole text.
  virtual void GetMinimumSize(int32_t& width, int32_t& height) = 0;
  // The text as it was set.
  virtual std::string GetText() = 0;

 protected:
  TextFitter() = default;
};

}  // namespace brisklet
