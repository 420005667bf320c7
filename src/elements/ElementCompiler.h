// The element half of the compiler: the 90-byte "VT" header and the kind bytes of every
// element kind, chosen through the kind table. The component builds on it; what an element
// reports goes through prvReportMessage, which the component counts and forwards.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "base/Bytes.h"
#include "database/Recordset.h"
#include "host/DesignMessage.h"
#include "host/HostFactory.h"
#include "host/MessageRules.h"

namespace brisklet {

class DownloadUnit;
class NumericProperties;
class ByteWriter;
class UnitsSource;
class TextFieldProperties;
class StringEntryProperties;

class ElementCompiler {
 public:
  // A kind compiler: the element row and its kind's tag in, the kind bytes out.
  using KindCompiler = Bytes (ElementCompiler::*)(Recordset& row, std::string_view tag);

  ElementCompiler(const ElementCompiler&) = delete;
  ElementCompiler& operator=(const ElementCompiler&) = delete;

 protected:
  // Creates the image, font-name and text services and attaches the project connection.
  explicit ElementCompiler(HostFactory& host);
  virtual ~ElementCompiler();

  virtual void prvReportMessage(DesignMessage message) = 0;
  // "Module: Main, Display: Setup": where an element stands, for the string entries' messages.
  virtual std::string prvGetElementLocation(Recordset& row) = 0;

  // A unit of the download store holding a record (stored once its unit type is set).
  std::unique_ptr<DownloadUnit> prvNewUnit(int32_t guid, const Bytes& record);

  // The element row (with its display's module and name), or null for an element of a display
  // of module -1. The error scope learns the element's GUID and display.
  std::unique_ptr<Recordset> prvOpenElement(int32_t elementId, class ErrorScope& scope);
  std::unique_ptr<Recordset> prvOpenElementRow(int32_t elementId);
  // The scope names the element, from its row once there is one.
  static void prvPlaceElement(class ErrorScope& scope, int32_t elementId, const Recordset* row);
  Bytes prvCompileElementRecord(Recordset& row);
  Bytes prvGetVariableDataByType(Recordset& row, int32_t type, int32_t varType);
  int32_t prvGetTouchKind(Recordset& row);
  int32_t prvGetLinkedVariableFlag(Recordset& row);
  std::string prvFitTextToFrame(int32_t xs, int32_t ys, int32_t dx, int32_t dy, const std::string& text,
                                int32_t fontNumber, int32_t flat3D);
  void prvReportTextFitWarning(Recordset& row, const std::string& text, const std::string& fitted);
  int32_t prvImageNumber(int32_t crc);
  Bytes prvCompileTextBlock(Recordset& row, int32_t textMode);

  // Value elements (numbers, timers, clocks, entries): the label block that begins every
  // entry form, the text bytes of their labels and units, and their size checks. A label of
  // the element's Text is counted (numbers, timers, clocks, entry texts, text fields) or ends
  // in a zero byte (string entries, entry field).
  enum class LabelEnd { Counted, Terminated };
  Bytes prvCompileLabelBlock(Recordset& row, std::string_view tag, LabelEnd end = LabelEnd::Counted);
  Bytes prvCompileEntryLabel(Recordset& row, std::string_view tag, int32_t count, int32_t code,
                             LabelEnd end = LabelEnd::Counted);
  Bytes prvValueTextBytes(const std::string& text, int32_t fontNumber);
  Bytes prvLinkedTextTail(Recordset& row, int32_t oprndType, int32_t oprndAddr, int32_t fontNumber, int32_t colour);
  Bytes prvLinkedSourceBlock(Recordset& row, const UnitsSource& source, int32_t lengthBeyondTail);
  bool prvSampleTextFits(Recordset& row, const std::string& sample);
  bool prvFrameHolds(Recordset& row, int32_t minimumWidth, int32_t minimumHeight);
  void prvReportTooSmall(Recordset& row);

  // The numbers: "LN" and "NR" are display forms, "EN" and "ER" entry forms; "NR" and "ER"
  // lay out their units in a block of their own.
  enum class NumericForm { Display, Entry };
  enum class UnitsLayout { Numeric, Range };
  Bytes prvCompileNumericEntry(Recordset& row, std::string_view entryTag);
  Bytes prvCompileNumericRangeEntry(Recordset& row, std::string_view entryTag);
  bool prvWriteNumericBody(ByteWriter& out, Recordset& row, const NumericProperties& p, NumericForm form,
                           UnitsLayout layout);
  Bytes prvCompileUnitsBlock(Recordset& row, const NumericProperties& p, UnitsLayout layout);

  // Text fields "LA" / "EA", string entries "LO" / "EO" and "LU" / "EU".
  Bytes prvCompileTextFieldEntry(Recordset& row, std::string_view entryTag);
  bool prvWriteTextField(ByteWriter& out, Recordset& row, const TextFieldProperties& p);
  Bytes prvCompileStringEntryKind(Recordset& row, std::string_view tag, const StringEntryProperties& p);

  // The kind compilers, one per KIND row of the kind list.
#define KIND(type, varType, tag, entryTag, download, entry, properties, background, touch, compiler, ...) \
  Bytes compiler(Recordset& row, std::string_view tag_);
#define KIND_SHARED(...)
#define KIND_PENDING(...)
#include "base/ElementKinds.def"
#undef KIND
#undef KIND_SHARED
#undef KIND_PENDING

  HostFactory& mHost;
  // Rows read ahead for the walk over pending elements (null outside it).
  std::unique_ptr<class ElementRowsAhead> mRowsAhead;
  std::unique_ptr<ImageService> mImageService;
  std::unique_ptr<FontNameService> mFontService;
  std::unique_ptr<TextService> mTextService;

 private:
  friend struct KindTableAccess;
};

}  // namespace brisklet
