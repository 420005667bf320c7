// A display drawn from its "PT" record and its elements' records.
#include "preview/DisplayPreview.h"

#include <algorithm>
#include <string>

#include "base/RuntimeError.h"
#include "database/Connection.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordDecoder.h"
#include "preview/ElementDrawing.h"
#include "preview/MarkLabels.h"
#include "preview/Queries.h"

namespace brisklet {

int32_t ScreenHeight(Connection& db, int32_t screenWidth) {
  std::optional<Value> setting = db.QueryValue(kSqlScreenHeight);
  if (setting && setting->IsNumber() && setting->ToDouble() >= 1 && setting->ToDouble() <= 65535) {
    return setting->ToLong("ScreenHeight");
  }
  return screenWidth * 3 / 4;
}

void CheckPanelSize(int32_t width, int32_t height, int32_t scale) {
  auto refuse = [](const std::string& what) { throw RuntimeError("Cannot draw the preview", what); };
  if (width < 1 || width > kMaxPanelSide) {
    refuse("the project setting ScreenWidth is " + std::to_string(width) + "; a panel is 1 to " +
           std::to_string(kMaxPanelSide) + " pixels wide");
  }
  if (height < 1 || height > kMaxPanelSide) {
    refuse("the project setting ScreenHeight is " + std::to_string(height) + "; a panel is 1 to " +
           std::to_string(kMaxPanelSide) + " pixels high");
  }
  if (int64_t{std::max(width, height)} * scale > kMaxPictureSide) {
    refuse("at scale " + std::to_string(scale) + " the picture would be " + std::to_string(int64_t{width} * scale) +
           " x " + std::to_string(int64_t{height} * scale) + " pixels; at most " + std::to_string(kMaxPictureSide) +
           " a side can be drawn");
  }
}

std::unique_ptr<Canvas> DrawDisplay(const Bytes& displayRecord, const std::vector<PreviewElement>& elements,
                                    const DecodeContext& context, PanelFonts& fonts, PanelImages& images,
                                    TextTable& texts, int32_t height) {
  auto canvas = std::make_unique<Canvas>(context.screenWidth, height);
  DecodedRecord display = DecodeRecord(displayRecord, context);
  RecordView displayView(displayRecord, display, context.screenWidth);
  uint32_t background =
      static_cast<uint32_t>(displayView.Number(field::Name({field::kDisplay, field::kBackgroundColour})).value_or(0));
  canvas->Fill({0, 0, canvas->Width(), canvas->Height()}, PanelColour(background));

  DrawingTools tools{*canvas, fonts, images, texts};
  DrawPicture(displayView, field::Prefix({field::kDisplay, field::kBackgroundImage}), 0, 0, tools);
  for (const PreviewElement& element : elements) {
    if (element.record.empty()) continue;
    DecodedRecord fields = DecodeRecord(element.record, context);
    DrawElement(RecordView(element.record, fields, context.screenWidth), tools);
  }
  for (const PreviewElement& element : elements) {
    if (element.mark > 0) DrawMark(*canvas, element.frame, element.mark);
  }
  return canvas;
}

}  // namespace brisklet
