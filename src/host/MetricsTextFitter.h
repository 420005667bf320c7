// Default text fitter over the project's font metrics: the longest leading part of the text
// that the frame's inner area holds, whole lines first, then the characters of the line that
// no longer fits.
#pragma once
#include "host/TextFitter.h"

namespace brisklet {

class DefaultHost;

class MetricsTextFitter : public TextFitter {
 public:
  explicit MetricsTextFitter(DefaultHost& host) : mHost(host) {}
  void SetLeft(int32_t v) override { mLeft = v; }
  void SetTop(int32_t v) override { mTop = v; }
  void SetWidth(int32_t v) override { mWidth = v; }
  void SetHeight(int32_t v) override { mHeight = v; }
  void SetFont(int32_t fontNumber) override { mFont = fontNumber; }
  int32_t GetFont() override { return mFont; }
  void SetText(const std::string& text) override { mText = text; }
  // Only the text is measured: the source text just starts it.
  void SetSourceText(const std::string& text) override { mText = text; }
  void SetFrameStyle(int32_t style) override { mFrameStyle = style; }
  int32_t GetFrameStyle() override { return mFrameStyle; }
  std::string FitText() override;
  void GetMinimumSize(int32_t& width, int32_t& height) override;
  std::string GetText() override { return mText; }

 private:
  DefaultHost& mHost;
  int32_t mLeft = 0, mTop = 0, mWidth = 0, mHeight = 0, mFont = 0, mFrameStyle = 0;
  std::string mText;
};

}  // namespace brisklet
