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

bool DisplayIsCompiled(Connection& db, int32_t displayId) {
  std::optional<Value> module = db.QueryValue(kSqlDisplayModule, {Value(displayId)});
  return module && !(module->IsNumber() && module->ToDouble() == -1);
}

namespace {

// Adds each notice once for the element (two texts of one missing font are one notice).
void AddNotices(std::vector<PreviewNotice>* notices, int32_t elementId, std::vector<std::string>& texts) {
  for (std::string& text : texts) {
    PreviewNotice notice{elementId, std::move(text)};
    if (notices && std::find(notices->begin(), notices->end(), notice) == notices->end()) {
      notices->push_back(std::move(notice));
    }
  }
  texts.clear();
}

// The whole screen crossed out, with a caption of a tenth of its height (at least 12 pixels).
void MarkNotCompiled(Canvas& canvas, PanelFonts& fonts) {
  Box screen{0, 0, canvas.Width(), canvas.Height()};
  canvas.ContrastFrame(screen, 4);
  canvas.ContrastCross(screen);
  fonts.DrawCaption(canvas, screen, "not compiled", std::max(12, canvas.Height() / 10));
}

}  // namespace

std::unique_ptr<Canvas> DrawDisplay(const Bytes& displayRecord, const std::vector<PreviewElement>& elements,
                                    const DecodeContext& context, PanelFonts& fonts, PanelImages& images,
                                    TextTable& texts, int32_t height, std::vector<PreviewNotice>* notices,
                                    bool compiled) {
  auto canvas = std::make_unique<Canvas>(context.screenWidth, height);
  DecodedRecord display = DecodeRecord(displayRecord, context);
  RecordView displayView(displayRecord, display, context.screenWidth);
  uint32_t background =
      static_cast<uint32_t>(displayView.Number(field::Name({field::kDisplay, field::kBackgroundColour})).value_or(0));
  canvas->Fill({0, 0, canvas->Width(), canvas->Height()}, PanelColour(background));

  DrawingTools tools{*canvas, fonts, images, texts, {}};
  DrawPicture(displayView, field::Prefix({field::kDisplay, field::kBackgroundImage}), Box{}, tools);
  AddNotices(notices, 0, tools.notices);
  for (const PreviewElement& element : elements) {
    if (element.record.empty()) continue;
    DecodedRecord fields = DecodeRecord(element.record, context);
    DrawElement(RecordView(element.record, fields, context.screenWidth), tools);
    AddNotices(notices, element.id, tools.notices);
  }
  if (!compiled || displayRecord.empty()) {
    MarkNotCompiled(*canvas, fonts);
    std::vector<std::string> text{compiled ? "the display has no record: crossed out"
                                           : "the display is of no module (-1) and never compiled: crossed out"};
    AddNotices(notices, 0, text);
  }
  for (const PreviewElement& element : elements) {
    if (element.mark <= 0) continue;
    DrawMark(*canvas, element.frame, element.mark);
    const Box& f = element.frame;
    canvas->ContrastFrame({f.x - 2, f.y - 2, f.width + 4, f.height + 4}, 2);
  }
  return canvas;
}

}  // namespace brisklet
