// The synthetic project: modules of 25 displays on an 800 x 480 screen, each display holding
// a mix of shapes, texts, pictures and buttons (or of every element kind) sized so that their
// texts fit, with its own tab order, jumps to its neighbours, loader functions and (on some) a
// background picture.
// Display 1 carries the deliberate problems: a box too small for its 3D frame and two touch
// areas on one MB; the trends tree has a trend without curves.
#include "ProjectGenerator.h"

#include <zlib.h>

#include <array>
#include <span>
#include <string>
#include <vector>

#include "base/RuntimeError.h"
#include "database/Connection.h"
#include "generator/GeneratorParts.h"

namespace brisklet {

using namespace generator;

namespace {

// Runs one bound INSERT per row.
class Inserter {
 public:
  Inserter(Connection& db, std::string sql) : mDb(db), mSql(std::move(sql)) {}
  void Row(const std::vector<Value>& values) { mDb.Execute(mSql, values); }

 private:
  Connection& mDb;
  std::string mSql;
};

void WriteSettings(Connection& db) {
  Inserter settings(db, "INSERT INTO ProjectSettings(Name, Value) VALUES(?, ?)");
  settings.Row({Value("ScreenWidth"), Value(kScreenWidth)});
  settings.Row({Value("CodePage"), Value(1252)});
  Inserter palettes(db, "INSERT INTO HMI_Palettes(ID, GUID) VALUES(?, ?)");
  palettes.Row({Value(1), Value(900)});
  palettes.Row({Value(2), Value(901)});
  Inserter loaders(db, "INSERT INTO LdrFunctions(FuncID, Guid) VALUES(?, ?)");
  for (int32_t f = 1; f <= 6; ++f) loaders.Row({Value(f), Value(3000 + f)});
}

void WriteFonts(Connection& db) {
  Inserter fonts(db,
                 "INSERT INTO tblFonts(id, FontNumber, FontCRC, Charset, FontName, PixelSize, LineHeight, Ascent) "
                 "VALUES(?, ?, ?, 0, ?, ?, ?, ?)");
  Inserter glyphs(db, "INSERT INTO tblFontGlyphs(FontNumber, Code, Advance) VALUES(?, ?, ?)");
  for (const FontRow& f : kFonts) {
    fonts.Row({Value(f.number), Value(f.number), Value(f.crc), Value(f.name), Value(f.pixelSize), Value(f.lineHeight),
               Value(f.ascent)});
    for (int32_t code = 32; code <= 126; ++code) {
      glyphs.Row({Value(f.number), Value(code), Value(Advance(f.number, static_cast<unsigned char>(code)))});
    }
  }
}

void WriteTextsAndTrends(Connection& db) {
  Inserter texts(db, "INSERT INTO ProjectTexts(TextIndex, Text) VALUES(?, ?)");
  for (int32_t i = 0; i < kProjectTexts; ++i) {
    texts.Row({Value(i), Value(kWords[static_cast<size_t>(i) % std::size(kWords)] + " text")});
  }
  Inserter trends(db, "INSERT INTO Trends(TrendID, Name, HistoryPoints) VALUES(?, ?, ?)");
  trends.Row({Value(1), Value("Oven temperature"), Value(500)});
  trends.Row({Value(2), Value("Line speed"), Value(200)});
  trends.Row({Value(3), Value("Spare trend"), Value(100)});  // no curves: the trends check reports it
  Inserter curves(db,
                  "INSERT INTO Curves(CurveID, DecimalBefore, MinOprndType, MinValue, MaxOprndType, MaxValue) "
                  "VALUES(?, 3, 37, 0, 37, 1000)");
  for (int32_t curve : {1, 2, 3, 9, 10}) curves.Row({Value(curve)});
}

void WriteImages(Connection& db, const std::vector<Image>& images) {
  Inserter rows(db, "INSERT INTO ProjectImages(ImageID, CRC, Bits, Data8bpp) VALUES(?, ?, ?, ?)");
  int32_t id = 0;
  for (const Image& image : images)
    rows.Row({Value(++id), Value(image.crc), Value(image.bits), Value(image.compressed)});
}

void WriteDisplays(Connection& db, const GeneratorOptions& o, Random& random, const std::vector<Image>& images,
                   GeneratorSummary& summary, const GeneratorProgress& progress) {
  Inserter modules(db, "INSERT INTO DispModules(ModuleID, ModuleName) VALUES(?, ?)");
  Inserter pages(
      db,
      "INSERT INTO Pages(Id, GUID, ModuleID, Description, PaletteID, ColorBack, ColorFocusText, "
      "ColorFocusGradient, ColorDisabledText, ColorDisabledGradient, ColorMarkingText, ColorMarkingGradient, "
      "IsDisplayedOpType, IsDisplayedOpAddress, ConstrID, FuncID, DestrID) "
      "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  Inserter backgrounds(db, "INSERT INTO PagesAndImages(Page_ID, Image_CRC, TransparencyLevel) VALUES(?, ?, ?)");
  Inserter jumps(db,
                 "INSERT INTO HMIJumps(PageNum, JumpType, JumpOpType, JumpOpAddress, DispOpAddress) "
                 "VALUES(?, ?, 1, ?, ?)");
  Inserter pending(db, "INSERT INTO DownloadDLUs(Guid, IsCompiled) VALUES(?, 0)");
  Inserter elements(db,
                    "INSERT INTO HMI_Elements(ID, GUID, DisplayID, Type, VarType, Text, TabIndex, ORDERINDEX, Xs, Ys, "
                    "Dx, Dy, Flat3D, ColorBack, ColorFore, ColorBackTouch, ColorForeTouch, PenWidth, FontNumber, "
                    "Alignment, TouchOprndAddr, VisibleOpAddr, EnabledOpAddr, VarOprndType, VarOprndAddr, Binary, "
                    "DescriptionFontNumber) "
                    "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  Inserter pictures(db,
                    "INSERT INTO ElementsAndImages(Element_ID, Image_Index, Image_CRC, TransparencyLevel) "
                    "VALUES(?, 0, ?, ?)");

  int32_t elementId = 0;
  for (int32_t id = 1; id <= o.displays; ++id) {
    if (progress) progress(id - 1, o.displays);
    int32_t module = (id - 1) / kDisplaysPerModule + 1;
    if ((id - 1) % kDisplaysPerModule == 0) {
      modules.Row({Value(module), Value("Area " + std::to_string(module))});
      ++summary.modules;
    }
    int32_t guid = kFirstDisplayGuid + id;
    Value marking;  // older projects left it Null
    if (id % 7 != 3) marking = Value(random.Between(0, 255));
    pages.Row({Value(id), Value(guid), Value(module),
               Value(random.Pick<std::string>(kWords) + " " + std::to_string(id)), Value(id % 10 == 0 ? 2 : 1),
               Value(random.Between(0, 255)), Value(random.Between(0, 255)), Value(random.Between(0, 255)),
               Value(random.Between(0, 255)), Value(random.Between(0, 255)), marking, marking,
               Value(id % 6 == 0 ? 1 : 0), Value(id % 6 == 0 ? kJumpBase - 1 : -1), Value(id % 3 == 0 ? 1 + id % 2 : 0),
               Value(id % 4 == 0 ? 3 + id % 2 : 0), Value(id % 5 == 0 ? 5 + id % 2 : 0)});
    pending.Row({Value(guid)});
    ++summary.displays;
    if (id % 5 == 0) {
      const Image& background = images[static_cast<size_t>(id / 5) % 6];  // the 8-bit ones
      backgrounds.Row({Value(id), Value(background.crc), Value(id % 10 == 0 ? 1 : 0)});
    }
    // Jumps to the next and previous display and home; the last display also names a lost one.
    int32_t jump = 0;
    auto addJump = [&](int32_t target) {
      ++jump;
      jumps.Row({Value(id), Value(jump), Value(kJumpBase + jump), Value(target)});
      ++summary.jumps;
    };
    if (id < o.displays) addJump(id + 1);
    if (id > 1) addJump(id - 1);
    if (id > 2) addJump(1);
    if (id == o.displays) addJump(o.displays + 1000);

    DisplayState state(id, random);
    std::vector<Element> problems = id == 1 && o.elementsPerDisplay >= 3 ? Problems() : std::vector<Element>();
    int32_t ordinary = o.elementsPerDisplay - static_cast<int32_t>(problems.size());
    ScreenLayout layout(problems.empty() ? kScreenHeight : kProblemsTop);  // the problems sit below
    for (int32_t k = 0; k < o.elementsPerDisplay; ++k) {
      Element e;
      if (k >= ordinary) {
        e = problems[static_cast<size_t>(k - ordinary)];
      } else if (o.mix == GeneratorMix::EveryKind) {
        int32_t forced = elementId < EveryKindCount() ? elementId : -1;
        e = MakeEveryKindElement(state, layout, images, forced);
      } else {
        e = MakeElement(state, images);
      }
      ++elementId;
      int32_t elementGuid = kFirstElementGuid + elementId;
      elements.Row({Value(elementId),
                    Value(elementGuid),
                    Value(id),
                    Value(e.type),
                    Value(e.varType),
                    Value(e.text),
                    Value(e.tab),
                    Value(k + 1),
                    Value(e.xs),
                    Value(e.ys),
                    Value(e.dx),
                    Value(e.dy),
                    Value(e.flat3D),
                    Value(e.colorBack),
                    Value(e.colorFore),
                    Value(e.colorBackTouch),
                    Value(e.colorForeTouch),
                    Value(e.penWidth),
                    Value(e.font),
                    Value(e.alignment),
                    Value(e.touch),
                    Value(e.visible),
                    Value(e.enabled),
                    Value(e.varOprndType),
                    Value(e.varOprndAddr),
                    e.binary,
                    Value(e.descriptionFont)});
      if (e.image) pictures.Row({Value(elementId), Value(e.image->crc), Value(e.transparency)});
      pending.Row({Value(elementGuid)});
      ++summary.elements;
    }
  }
}

}  // namespace

GeneratorSummary GenerateProject(Connection& db, const GeneratorOptions& options, const GeneratorProgress& progress) {
  if (options.displays < 1 || options.displays > kMaxGeneratedDisplays) {
    throw RuntimeError("Invalid option", "--displays is " + std::to_string(options.displays) + ", expected 1 to " +
                                             std::to_string(kMaxGeneratedDisplays));
  }
  if (options.elementsPerDisplay < 0 || options.elementsPerDisplay > kMaxElementsPerDisplay) {
    throw RuntimeError("Invalid option", "--elements-per-display is " + std::to_string(options.elementsPerDisplay) +
                                             ", expected 0 to " + std::to_string(kMaxElementsPerDisplay));
  }
  Random random(options.seed);
  GeneratorSummary summary;
  db.BeginTransaction();
  try {
    WriteSettings(db);
    WriteFonts(db);
    WriteTextsAndTrends(db);
    std::vector<Image> images = MakeImages(random);
    WriteImages(db, images);
    summary.images = static_cast<int64_t>(images.size());
    WriteDisplays(db, options, random, images, summary, progress);
    db.Commit();
  } catch (...) {
    db.Execute("ROLLBACK");
    throw;
  }
  return summary;
}

}  // namespace brisklet
