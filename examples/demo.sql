-- The demo panel: a small machine with a home display, settings, alarms and a service module.
-- Applied to a new project database made by `brisklet init` (see scripts/make-demo.sh).
-- It holds a few deliberate design problems, so that a compile shows what the checks report.

INSERT INTO ProjectSettings(Name, Value) VALUES ('ScreenWidth', 320), ('CodePage', 1252);

INSERT INTO DispModules(ModuleID, ModuleName) VALUES (1, 'Main'), (2, 'Service'), (3, 'Drafts');
INSERT INTO HMI_Palettes(ID, GUID) VALUES (1, 900);

-- Loader functions attached to displays.
INSERT INTO LdrFunctions(FuncID, Guid) VALUES (1, 3001), (2, 3002), (3, 3003);

-- Displays. "Scratch" belongs to no module (-1): its elements are never compiled.
INSERT INTO Pages(Id, GUID, ModuleID, Description, PaletteID, ColorBack, ColorFocusText, ColorFocusGradient,
                  ColorDisabledText, ColorDisabledGradient, ColorMarkingText, ColorMarkingGradient,
                  IsDisplayedOpType, IsDisplayedOpAddress, ConstrID, FuncID, DestrID) VALUES
  (1, 100, 1, 'Home',     1, 15, 0, 21, 8, 7,  0,    12,   0, -1, 1, 2, 3),
  (2, 101, 1, 'Settings', 1, 15, 0, 21, 8, 7,  NULL, NULL, 1, 40, 0, 0, 0),
  (3, 102, 2, 'Alarms',   1, 9,  15, 1, 8, 7,  15,   1,    0, -1, 0, 2, 0),
  (4, 103, -1, 'Scratch', 1, 0,  0, 0,  0, 0,  0,    0,    0, -1, 0, 0, 0),
  (5, 104, 1, 'Process',  1, 15, 0, 21, 8, 7,  0,    12,   0, -1, 0, 0, 0);

-- The home display has a background picture; the logo is a picture element.
INSERT INTO ProjectImages(ImageID, CRC, Bits, Data8bpp) VALUES
  (1, 305419896, 8, X'789cd3d2a20c0000558f0a81'),
  (2, 19088743, 16, X'789c639717c00b0021d10207');
INSERT INTO PagesAndImages(Page_ID, Image_CRC, TransparencyLevel) VALUES (1, 305419896, 0);

-- Jumps: Home -> Settings and Alarms, Settings -> Home, Alarms -> a display that no longer exists.
INSERT INTO HMIJumps(PageNum, JumpType, JumpOpType, JumpOpAddress, DispOpAddress) VALUES
  (1, 2, 1, 11, 3),
  (1, 1, 1, 10, 2),
  (2, 1, 1, 12, 1),
  (3, 1, 1, 13, 99);

-- Elements. Columns not named take their defaults (no operands, tab index 255).
INSERT INTO HMI_Elements(ID, GUID, DisplayID, Type, VarType, Text, TabIndex, ORDERINDEX, Xs, Ys, Dx, Dy, Flat3D,
                         ColorBack, ColorFore, ColorBackTouch, ColorForeTouch, PenWidth, FontNumber, Alignment,
                         TouchOprndAddr, VisibleOpAddr, VarOprndType, VarOprndAddr, Binary) VALUES
  -- Home: frame, shapes, a title, the logo and a touch area.
  (1, 2001, 1, 1, 0, 'Frame',        255, 1, 4, 4, 312, 232, 0, 15, 0, 15, 0, 2, 0, 0, -1, -1, 0, -1, NULL),
  (2, 2002, 1, 2, 0, 'Divider',      255, 2, 8, 40, 304, 0, 0, 15, 8, 15, 8, 1, 0, 0, -1, -1, 0, -1, NULL),
  (3, 2003, 1, 6, 0, 'Status lamp',  255, 3, 280, 10, 24, 24, 0, 10, 2, 10, 2, 1, 0, 0, -1, -1, 0, -1, NULL),
  (4, 2004, 1, 7, 0, 'Start area',   1,   4, 20, 180, 120, 40, 1, 7, 15, 7, 15, 1, 0, 0, 5, -1, 0, -1, NULL),
  (5, 2005, 1, 3, 0, 'Logo',         255, 5, 8, 8, 32, 24, 0, -1, 0, -1, 0, 1, 0, 0, -1, -1, 0, -1, NULL),
  (6, 2006, 1, 4, 0, 'Machine ready', 2,  6, 48, 10, 200, 24, 0, 15, 0, 14, 0, 1, 1, 4, 6, -1, 0, -1, NULL),
  (7, 2007, 1, 2, 0, 'Slant',        255, 7, 300, 200, -40, 30, 0, 15, 3, 15, 3, 3, 0, 0, -1, -1, 0, -1, NULL),
  -- Settings: a text button with a picture, a frame with a linked text, a switch and a too-small 3D box.
  (8, 2008, 2, 11, 0, 'Save',        0,   1, 20, 60, 100, 40, 3, 7, 15, 9, 15, 1, 1, 4, 20, -1, 0, -1, NULL),
  (9, 2009, 2, 12, 0, 'Recipe name', 5,   2, 20, 110, 200, 30, 2, 15, 0, 15, 0, 1, 1, 3, -1, -1, 0, 3, NULL),
  (10, 2010, 2, 5, 1, 'Motor switch', 9,  3, 240, 60, 60, 60, 0, 15, 0, 15, 0, 1, 0, 0, 20, -1, 1, 20, '{"IsSwitch": true}'),
  (11, 2011, 2, 1, 0, 'Tiny 3D box', 255, 4, 240, 140, 8, 30, 1, 15, 0, 15, 0, 1, 0, 0, -1, -1, 0, -1, NULL),
  -- Alarms: two touch areas on one MB, a touch area hidden by its own operand, two variables of one name.
  (12, 2012, 3, 1, 0, 'Ack all',     1,   1, 10, 10, 100, 30, 0, 15, 0, 15, 0, 1, 0, 0, 30, -1, 0, -1, NULL),
  (13, 2013, 3, 6, 0, 'Ack lamp',    2,   2, 120, 10, 30, 30, 0, 15, 4, 15, 4, 1, 0, 0, 30, 30, 0, -1, NULL),
  (14, 2014, 3, 5, 20, 'Alarm icon', 255, 3, 200, 10, 32, 24, 0, -1, 0, -1, 0, 1, 0, 0, -1, -1, 0, -1, NULL),
  (15, 2015, 3, 5, 8, 'Pressure',    3,   4, 10, 60, 80, 20, 0, 15, 0, 15, 0, 1, 1, 0, -1, -1, 2, 100,
      '{"GetMask": "99.9", "GetUnitsText": "bar", "GetOperand1Type": 2, "GetOperand1Addr": 100}'),
  (16, 2016, 3, 5, 8, 'Pressure',    4,   5, 10, 90, 80, 20, 0, 15, 0, 15, 0, 1, 1, 0, -1, -1, 2, 101,
      '{"GetMask": "99.9", "GetUnitsText": "bar", "GetOperand1Type": 2, "GetOperand1Addr": 101}'),
  -- Home: a big title, and a hint whose box is too small for its text (a warning).
  (18, 2018, 1, 4, 0, 'Line 3 packer', 255, 8, 48, 44, 220, 30, 0, -1, 0, -1, 0, 1, 2, 1, -1, -1, 0, -1, NULL),
  (19, 2019, 1, 4, 0, 'Press the green button' || char(13) || char(10) || 'to start the machine', 255, 9, 20, 120, 90, 14,
      0, 15, 0, 15, 0, 1, 1, 0, -1, -1, 0, -1, NULL),
  -- Scratch (module -1): never compiled.
  (17, 2017, 4, 1, 0, 'Sketch',      255, 1, 0, 0, 10, 10, 0, 15, 0, 15, 0, 1, 0, 0, -1, -1, 0, -1, NULL);

-- Process: the value elements. Numbers with and without colour ranges, a timer and a clock,
-- each as a display and as an entry (TouchOprndAddr -2), and two that are too small for
-- their widest text (errors: they get no record).
INSERT INTO HMI_Elements(ID, GUID, DisplayID, Type, VarType, Text, TabIndex, ORDERINDEX, Xs, Ys, Dx, Dy, Flat3D,
                         ColorBack, ColorFore, FontNumber, DescriptionFontNumber, Alignment, TouchOprndAddr,
                         StorageText, StrStorageOprndType, StrStorageOprndAddr, VarOprndType, VarOprndAddr, Binary) VALUES
  (20, 2020, 5, 5, 8, 'Temperature', 255, 1, 10, 10, 120, 20, 0, 15, 0, 1, 0, 5, -1, 0, 0, -1, 2, 200,
      '{"GetFormatCode": 1, "GetMask": "999.9", "GetUnitsText": "°C", "GetOperand1Type": 2, "GetOperand1Addr": 200}'),
  (21, 2021, 5, 5, 8, 'Setpoint', 1, 2, 140, 10, 170, 40, 1, 15, 0, 1, 1, 5, -2, 0, 0, -1, 2, 201,
      '{"GetFormatCode": 1, "GetMask": "999.9", "GetUnitsText": "°C", "GetEntryOperand1Type": 2, '
      || '"GetEntryOperand1Addr": 210, "GetEntryOperand2Type": 2, "GetEntryOperand2Addr": 211, '
      || '"GetOperand1Type": 2, "GetOperand1Addr": 201, "GetEntryCount": 1, "GetEntryCode": 3}'),
  (22, 2022, 5, 5, 29, 'Tank level', 255, 3, 10, 60, 120, 20, 0, 15, 0, 1, 0, 3, -1, 0, 0, -1, 2, 202,
      '{"GetMask": "999", "GetUnitsText": "%", "GetOperand1Type": 2, "GetOperand1Addr": 202, "GetRangeCount": 3, '
      || '"GetRange": [{"GetLimit1Type": 34, "GetLimit1Addr": 0, "GetLimit2Type": 34, "GetLimit2Addr": 20, '
      || '"GetRangeCode": 1, "GetRangeColor": 9}, {"GetLimit1Type": 34, "GetLimit1Addr": 20, "GetLimit2Type": 34, '
      || '"GetLimit2Addr": 90, "GetRangeCode": 1, "GetRangeColor": 10}, {"GetLimit1Type": 34, "GetLimit1Addr": 90, '
      || '"GetLimit2Type": 34, "GetLimit2Addr": 100, "GetRangeCode": 1, "GetRangeColor": 12}]}'),
  (23, 2023, 5, 5, 29, 'Level limit', 2, 4, 140, 60, 170, 40, 1, 15, 0, 1, 1, 3, -2, 0, 0, -1, 2, 203,
      '{"GetMask": "999", "IsUnitsLinked": -1, "GetUnitsSource": {"GetSourceText": "%", "GetSourceOperandType": 2, '
      || '"GetSourceOperandAddr": 220}, "GetEntryOperand1Type": 2, "GetEntryOperand1Addr": 203, "GetRangeCount": 1, '
      || '"GetRange": [{"GetLimit1Type": 2, "GetLimit1Addr": 221, "GetLimit2Type": 2, "GetLimit2Addr": 222, '
      || '"GetRangeCode": 2, "GetRangeColor": 9}]}'),
  (24, 2024, 5, 5, 7, 'Cycle time', 255, 5, 10, 110, 80, 20, 0, 15, 0, 1, 0, 3, -1, 0, 0, -1, 7, 5,
      '{"GetTimerStyle": 1, "GetTextObject": {"GetText": "MM:SS.hh"}, "GetTimerKind": 1, "GetTimerSubKind": 2}'),
  (25, 2025, 5, 5, 7, 'Delay', 3, 6, 140, 110, 170, 40, 1, 15, 0, 1, 1, 3, -2, 1, 2, 230, 8, 6,
      '{"GetTimerStyle": 1, "GetTextObject": {"GetText": "MM:SS"}, "GetTimerKind": 2, "GetTimerEntryCode": 1}'),
  (26, 2026, 5, 5, 5, 'Clock', 255, 7, 10, 160, 100, 20, 0, 15, 0, 1, 0, 3, -1, 0, 0, -1, 0, -1,
      '{"GetClockStyle": 0, "GetTextObject": {"GetText": "hh:mm:ss"}, "GetClockSetting": 1}'),
  (27, 2027, 5, 5, 5, 'Date', 4, 8, 140, 160, 170, 40, 1, 15, 0, 1, 1, 3, -2, 0, 0, -1, 0, -1,
      '{"GetClockStyle": 0, "GetTextObject": {"GetText": "dd/mm/yy"}, "GetClockSetting": 2, "GetClockEntryCode": 1}'),
  (28, 2028, 5, 5, 8, 'Flow rate', 255, 9, 10, 210, 60, 20, 0, 15, 0, 1, 0, 3, -1, 0, 0, -1, 2, 204,
      '{"GetMask": "9999.99", "GetUnitsText": "l/min", "GetOperand1Type": 2, "GetOperand1Addr": 204}'),
  (29, 2029, 5, 5, 7, 'Run time', 255, 10, 140, 210, 40, 14, 0, 15, 0, 1, 0, 3, -1, 0, 0, -1, 7, 9,
      '{"GetTextObject": {"GetText": "HH:MM:SS"}}');

INSERT INTO ElementsAndImages(Element_ID, Image_Index, Image_CRC, TransparencyLevel) VALUES
  (5, 0, 305419896, 1),
  (8, 0, 19088743, 1),
  (14, 0, 19088743, 0);

-- A trend with two curves, and one whose curves were never configured.
INSERT INTO Trends(TrendID, Name, HistoryPoints) VALUES (1, 'Oven temperature', 500), (2, 'Line speed', 200);
INSERT INTO Curves(CurveID) VALUES (1), (2);

-- Graphs (module Service): a bar, two meters (one whose needle leaves its frame), two trends of
-- the trends tree (one with too many X ticks; one showing more points than its history holds,
-- with too many Y ticks) and a trend of its own operands.
INSERT INTO Pages(Id, GUID, ModuleID, Description, PaletteID, ColorBack) VALUES (6, 105, 2, 'Graphs', 1, 15);
INSERT INTO HMI_Elements(ID, GUID, DisplayID, Type, VarType, Text, ORDERINDEX, Xs, Ys, Dx, Dy, ColorBack, ColorFore,
                         Binary) VALUES
  (60, 2060, 6, 5, 9, 'Tank level', 1, 10, 10, 30, 100, 15, 0,
   '{"GetBarSetting1": 1, "GetBarSetting2": 2, "GetBarOperand1Type": 2, "GetBarOperand1Addr": 20,
     "GetBarOperand2Type": 34, "GetBarOperand2Addr": 100}'),
  (61, 2061, 6, 5, 21, 'Pressure gauge', 2, 50, 10, 100, 60, 15, 0,
   '{"GetMeterSetting": 1, "GetNeedleScale": 40, "GetNeedlePercent": 100, "GetNeedleWidth": 1,
     "GetNeedleCenterX": 50, "GetNeedleCenterY": 55, "GetArcSpan": 180, "GetMeterValue1": 0, "GetMeterValue2": 100}'),
  (62, 2062, 6, 5, 21, 'Boost gauge', 3, 160, 10, 100, 60, 15, 0,
   '{"GetNeedleScale": 56, "GetNeedlePercent": 100, "GetNeedleWidth": 1, "GetNeedleCenterX": 50,
     "GetNeedleCenterY": 55, "GetArcSpan": 180}'),
  (63, 2063, 6, 5, 23, 'Oven trend', 4, 10, 80, 220, 150, 15, 0,
   '{"GetTrendNumber": 1, "GetPointSpacing": 2, "GetXTicks": 250, "GetYTicks": 10, "GetTrendSettingG": 1,
     "GetButtonColor": 7, "GetButtonTextColor": 15,
     "GetPartRect": [{"x": 4, "y": 130, "w": 40, "h": 16}, {"x": 50, "y": 130, "w": 40, "h": 16}, {"x": 96, "y": 130, "w": 24, "h": 16},
                     {"x": 4, "y": 4, "w": 212, "h": 2}, {"x": 4, "y": 110, "w": 212, "h": 2}, {"x": 126, "y": 130, "w": 24, "h": 16},
                     {"x": 156, "y": 130, "w": 24, "h": 16}, {"x": 10, "y": 8, "w": 200, "h": 100}, {"h": 100},
                     {"x": 10, "y": 114, "w": 200, "h": 14}, {"x": 186, "y": 130, "w": 24, "h": 16}],
     "GetCurves": [{"GetCurveId": 1, "GetCurveOperandType": 2, "GetCurveOperandAddr": 30, "GetCurveName": "Temperature"},
                   {"GetCurveId": 2, "GetCurveOperandType": 2, "GetCurveOperandAddr": 31, "GetCurveName": "Setpoint"}]}'),
  (64, 2064, 6, 5, 23, 'Speed trend', 5, 90, 80, 220, 150, 15, 0,
   '{"GetTrendNumber": 2, "GetPointSpacing": 1, "GetXTicks": 10, "GetYTicks": 120,
     "GetPartRect": [{}, {}, {}, {}, {}, {}, {}, {"x": 0, "y": 0, "w": 220, "h": 100}, {"h": 100}, {"w": 200, "h": 14}]}'),
  (65, 2065, 6, 5, 27, 'Batch trend', 6, 10, 80, 220, 150, 15, 0,
   '{"GetOperandAType": 2, "GetOperandAAddr": 40, "GetOperandBType": 2, "GetOperandBAddr": 41, "GetPointSpacing": 4,
     "GetXTicks": 10, "GetYTicks": 5, "GetButtonColor": 7, "GetLabelColor": 15, "GetPanelColor": 8,
     "GetPartRect": [{}, {}, {}, {}, {}, {}, {}, {"x": 10, "y": 8, "w": 200, "h": 100}, {"h": 100}],
     "GetEntries": [{"GetEntryOperand1Type": 2, "GetEntryOperand1Addr": 42, "GetEntrySetting": 1},
                    {"GetEntryOperand1Type": 2, "GetEntryOperand1Addr": 43, "GetEntrySetting": 2}],
     "GetClosingOperandType": 2, "GetClosingOperandAddr": 44}');

-- Controls (module Service): picture and text buttons, picture and text lists, a framed picture,
-- point lists (one whose drawing area has no width) and cell layouts (one with fewer cells than
-- it counts). The mode list has an item too wide for its frame.
INSERT INTO Pages(Id, GUID, ModuleID, Description, PaletteID, ColorBack) VALUES (7, 106, 2, 'Controls', 1, 15);
INSERT INTO HMI_Elements(ID, GUID, DisplayID, Type, VarType, Text, ORDERINDEX, Xs, Ys, Dx, Dy, Flat3D, ColorBack,
                         ColorFore, FontNumber, Alignment, TouchOprndAddr, VarOprndType, VarOprndAddr, Binary) VALUES
  (70, 2070, 7, 5, 1, 'Pump button', 1, 10, 10, 40, 40, 0, 15, 0, 0, 0, 50, 1, 50,
   '{"IsSwitch": true, "Image": [{"ImageCrc": 305419896}, {"ImageCrc": 19088743, "ImageTransparency": 1}]}'),
  (71, 2071, 7, 5, 2, 'Run button', 2, 60, 10, 80, 30, 1, 7, 15, 1, 4, 51, 1, 51,
   '{"ItemAt": [{"ItemText": "Run", "ItemColor": 15, "ItemBackColor": 2},
                {"ItemText": "Stop", "ItemColor": 15, "ItemBackColor": 1}]}'),
  (72, 2072, 7, 5, 3, 'Mode text', 3, 150, 10, 100, 20, 0, 15, 0, 1, 3, -1, 2, 60,
   '{"ItemCount": 3, "ItemAt": [{"ItemText": "Auto", "ItemBackColor": 15}, {"ItemText": "Manual", "ItemBackColor": 15},
                                {"ItemText": "Maintenance mode active", "ItemBackColor": 14}]}'),
  (73, 2073, 7, 5, 4, 'Valve state', 4, 260, 10, 32, 24, 0, -1, 0, 0, 0, -1, 2, 61,
   '{"ImageCount": 2, "ImageAt": [{"ImageCrc": 305419896}, {"ImageCrc": 19088743}]}'),
  (74, 2074, 7, 5, 11, 'Fault text', 5, 10, 60, 140, 20, 2, 15, 0, 1, 4, -1, 2, 62,
   '{"ItemCount": 2, "ItemAt": [
      {"ItemText": "Overload", "ItemColor": 1, "ItemBackColor": 15, "FirstOperandType": 34, "FirstOperandAddress": 0,
       "SecondOperandType": 34, "SecondOperandAddress": 9},
      {"ItemText": "Door open", "ItemColor": 1, "ItemBackColor": 15, "FirstOperandType": 34, "FirstOperandAddress": 10,
       "SecondOperandType": 34, "SecondOperandAddress": 19}]}'),
  (75, 2075, 7, 5, 12, 'Fan state', 6, 160, 60, 32, 24, 0, -1, 0, 0, 0, -1, 2, 63,
   '{"ImageCount": 1, "ImageAt": [{"ImageCrc": 305419896, "FirstOperandType": 34, "FirstOperandAddress": 0,
                                   "SecondOperandType": 34, "SecondOperandAddress": 50}]}'),
  (76, 2076, 7, 5, 22, 'Camera frame', 7, 200, 60, 100, 80, 0, 10, 0, 0, 0, -1, 2, 64,
   '{"GetFramePicture": {"ImageCrc": 305419896}, "GetFrameLeft": 10, "GetFrameTop": 10, "GetFrameWidth": 80,
     "GetFrameHeight": 60, "GetFrameSetting": 1, "GetFrameOperand1Type": 2, "GetFrameOperand1Addr": 65,
     "GetFrameOperand2Type": 2, "GetFrameOperand2Addr": 66}'),
  (77, 2077, 7, 5, 25, 'Conveyor plot', 8, 10, 100, 150, 100, 1, 15, 0, 1, 0, -1, 2, 67,
   '{"GetPlotArea": {"x": 2, "y": 2, "w": 138, "h": 88}, "GetPlotColor": 8, "GetPlotSetting1": 1,
     "GetPlotOperand1Type": 2, "GetPlotOperand1Addr": 68, "GetPointCount": 2,
     "GetPointCoordinates": {"X": [10, 120], "Y": [80, 20]}}'),
  (78, 2078, 7, 5, 25, 'Belt plot', 9, 170, 150, 60, 40, 0, 15, 0, 1, 0, -1, 2, 69,
   '{"GetPlotArea": {"x": 0, "y": 0, "w": 0, "h": 30}}'),
  (79, 2079, 7, 5, 24, 'Keypad cells', 10, 10, 205, 100, 30, 3, 15, 0, 0, 0, -1, 2, 70,
   '{"GetCellSetting1": 1, "GetCellValue1": 0, "GetCellValue2": 99, "GetCellCount": 2,
     "GetCellEntries": [1, 0, 0, 0, 4, 0, 4, 0, 40, 0, 22, 0, 0, 0,  2, 0, 0, 0, 48, 0, 4, 0, 40, 0, 22, 0, 0, 0]}'),
  (80, 2080, 7, 5, 24, 'Broken cells', 11, 120, 205, 100, 30, 0, 15, 0, 0, 0, -1, 2, 71,
   '{"GetCellCount": 3, "GetCellEntries": [1, 0, 0, 0, 4, 0, 4, 0, 40, 0, 22, 0, 0, 0]}');

-- Entries (module Service): picker grids of days and months in English and German, a number
-- entry, string entries (shown and typed), text fields and an entry text. The day-of-month
-- picker is too small for its grid of names, and the batch entry for its text.
INSERT INTO Pages(Id, GUID, ModuleID, Description, PaletteID, ColorBack) VALUES (8, 107, 2, 'Entries', 1, 15);
INSERT INTO HMI_Elements(ID, GUID, DisplayID, Type, VarType, Text, ORDERINDEX, Xs, Ys, Dx, Dy, Flat3D, ColorBack,
                         ColorFore, FontNumber, DescriptionFontNumber, Alignment, TouchOprndAddr, VarOprndType,
                         VarOprndAddr, StorageText, StrStorageOprndType, StrStorageOprndAddr, Binary) VALUES
  (90, 2090, 8, 5, 6, 'Weekday', 1, 10, 10, 280, 60, 0, 15, 0, 1, 0, 4, -1, 2, 90, 0, 0, -1,
   '{"EntryMode": 2, "GridTextOption": 0, "DisplayStyle": 1, "TextSource": {"SampleText": "Wednesday"}}'),
  (91, 2091, 8, 5, 6, 'Quantity', 2, 10, 80, 60, 20, 0, 15, 0, 1, 1, 3, -2, 2, 91, 0, 0, -1,
   '{"EntryMode": 5, "EntryStyle": 1, "TextSource": {"SampleText": "9999"}}'),
  (92, 2092, 8, 5, 6, 'Monat', 3, 10, 110, 240, 80, 2, 7, 0, 1, 0, 4, -1, 2, 92, 0, 0, -1,
   '{"EntryMode": 4, "GridTextOption": 3, "TextSource": {"SampleText": "September"}}'),
  (93, 2093, 8, 5, 6, 'Day of month', 4, 260, 110, 60, 40, 0, 15, 0, 1, 0, 4, -1, 2, 93, 0, 0, -1,
   '{"EntryMode": 3}'),
  (94, 2094, 8, 5, 16, 'Operator', 5, 80, 80, 120, 20, 2, 15, 0, 1, 0, 3, -1, 2, 94, 0, 0, -1,
   '{"DisplayStyle": 1, "DisplayOption": 0, "ModeKind": 2, "TextSource": {"SampleText": "Operator name"}}'),
  (95, 2095, 8, 5, 19, 'Batch', 6, 210, 80, 40, 20, 0, 15, 0, 1, 1, 3, -2, 2, 95, 0, 0, -1,
   '{"EntryStyle": 2, "TextSource": {"SampleText": "Batch 0000000"}}'),
  (96, 2096, 8, 5, 15, 'Line name', 7, 10, 200, 100, 20, 0, 15, 0, 1, 0, 3, -1, 2, 96, 0, 0, -1,
   '{"GetFieldText": "Line A", "GetFieldLength": 8, "GetFieldOperandType": 2, "GetFieldOperandAddr": 96}'),
  (97, 2097, 8, 5, 15, 'Recipe', 8, 120, 200, 100, 20, 0, 15, 0, 1, 1, 3, -2, 2, 97, 1, 2, 97,
   '{"GetFieldText": "R", "GetFieldLength": 6, "GetFieldStyle": 1, "GetFieldOperandType": 2, "GetFieldOperandAddr": 98}'),
  (98, 2098, 8, 5, 30, 'Password', 9, 230, 200, 80, 20, 0, 15, 0, 1, 1, 3, -1, 2, 99, 0, 0, -1,
   '{"GetText1": "Code", "GetText2": "Enter", "GetEntryStyle": 1, "GetCodeFlag": 1, "GetCodeOperandType": 2,
     "GetCodeOperandAddr": 100, "GetCodeValue": 4}'),
  (99, 2099, 8, 5, 16, 'Operator ID', 10, 10, 222, 100, 17, 0, 15, 0, 1, 1, 3, -2, 2, 101, 0, 0, -1,
   '{"EntryStyle": 1, "DisplayStyle": 1, "TextSource": {"SampleText": "OP-1234"}}'),
  (100, 2100, 8, 5, 19, 'Batch name', 11, 120, 222, 100, 17, 0, 15, 0, 1, 1, 3, -2, 2, 102, 0, 0, -1,
   '{"EntryStyle": 2, "TextSource": {"SampleText": "Batch 42"}}'),
  (101, 2101, 8, 5, 19, 'Batch view', 12, 230, 222, 80, 17, 0, 15, 0, 1, 0, 3, -1, 2, 103, 0, 0, -1,
   '{"DisplayOption": 1, "ModeKind": 1, "ModeVariant": 2, "TextSource": {"SampleText": "Batch 42"}}');

-- Every element and display starts pending.
INSERT INTO DownloadDLUs(Guid, IsCompiled) SELECT GUID, 0 FROM HMI_Elements;
INSERT INTO DownloadDLUs(Guid, IsCompiled) SELECT GUID, 0 FROM Pages;
