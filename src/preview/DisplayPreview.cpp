// A display drawn from its "PT" record and its elements' records.
#include "preview/DisplayPreview.h"

#include <string>

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
