// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/window_layout.h"

#include "window/cell_reading.h"
#include "window/colour_meaning.h"

namespace ravelin {

namespace {

LabelRow heading(Label& label, Twips at, Qt::Alignment align = leftTop, const char* role = nullptr)
{
    return {label, LabelKind::heading, at, windowFace, colour::blueText, align, false, role};
}

LabelRow display(Label& label, Twips at, Face face, const char* role)
{
    return {label, LabelKind::display, at, face, colour::blackText, Qt::AlignCenter, true, role};
}

// A button in its own colour, named by its caption, whose colour tells a state.
ButtonRow stateButton(Button& button, Twips at, Click click, std::string_view (*colourSays)(Colour))
{
    return {.button = button,
            .at = at,
            .face = windowFace,
            .click = click,
            .look = ButtonLook::ownColour,
            .colourSays = colourSays};
}

// The frame round the right column, then the left column.
std::vector<Placement> leftColumn(FormModel& f)
{
    using C = FormController;
    return {
        ShapeRow{{6960, 240, 2055, 6615}},

        heading(f.Label6, {420, 105, 420, 195}),
        heading(f.Label7, {945, 105, 600, 240}),
        heading(f.Label8, {1680, 90, 555, 195}),
        heading(f.Label9, {2310, 90, 600, 195}),
        // A click on a number's row, or Space or Return on it, marks the
        // number or takes its mark away.
        GridRow{.grid = f.tabelle1,
                .at = {405, 315, 2385, 6150},
                .role = "H\u00e4ufigkeiten der Zahlen 0 bis 36",
                .scroll = &C::tabelle1Scroll,
                .columnNames = {f.Label6.caption(), f.Label7.caption(), f.Label8.caption(),
                                f.Label9.caption()},
                .rowsByNumber = true,
                .click = &C::tabelle1Click,
                .keyAction = &C::tabelle1Click,
                .keysDo = "Leertaste oder Eingabetaste markiert die Zahl der aktuellen Zeile "
                          "oder hebt ihre Markierung auf.",
                .cellSays = &frequencyCellState,
                .copiedAs = &copyOfFrequencies},
        // The green grid shows its light green in every cell.
        GridRow{.grid = f.tabelle2,
                .at = {2835, 315, 420, 6180},
                .role = "Wurfnummer des ersten Erscheinens markierter Zahlen",
                .scroll = &C::tabelle2Scroll,
                .columnNames = {"Erstes Erscheinen (Wurf)"},
                .rowsByNumber = true,
                .paper = colour::lightGreen,
                .cellReads = &firstAppearanceReading,
                .copiedAs = &copyOfFirstAppearances},
        ButtonRow{f.okresetl,
                  {450, 6615, 375, 285},
                  plainFace,
                  &C::okresetlClick,
                  "Alle Markierungen l\u00f6schen"},
        display(f.Label11, {945, 6615, 510, 195}, firstDoubleFace, "Erstmals eine Zahl doppelt"),
        display(f.Label13, {1530, 6615, 585, 195}, firstDoubleFace,
                "Erstmals eine Zahl doppelt hintereinander"),
        display(f.Label14, {2160, 6615, 540, 195}, firstDoubleFace,
                "Erstmals eine Zahl dreifach hintereinander"),
        ButtonRow{f.Command1,
                  {2835, 6615, 330, 285},
                  plainFace,
                  &C::command1Click,
                  "Gr\u00fcnes Feld leeren"},
    };
}

std::vector<Placement> middleColumn(FormModel& f)
{
    using C = FormController;
    return {
        LabelRow{f.text,
                 LabelKind::guidance,
                 {3420, 240, 3360, 885},
                 plainFace,
                 colour::darkGreyText,
                 leftTop,
                 true,
                 "Hinweise"},
        heading(f.Label4, {3930, 1245, 540, 255}),
        heading(f.Label3, {4710, 1245, 780, 255}, centredTop),
        heading(f.Label5, {5610, 1245, 540, 255}),
        display(f.lakut, {3720, 1500, 855, 375}, countFace, "Anzahl W\u00fcrfe real"),
        display(f.Lreal, {5400, 1500, 855, 375}, countFace, "Anzahl W\u00fcrfe akut"),
        // The spin log scrolls, and a reader hears how many entries it holds.
        GridRow{.grid = f.tabelle3,
                .at = {3720, 2010, 2625, 4170},
                .role = "Wurfprotokoll",
                .scroll = &C::tabelle3Scroll,
                .columnNames = {"Zahl", "Wurf/Sechser", "Wurf/Kolonne", "Wurf/Farbe"},
                .scrolls = true,
                .tellsEntries = true,
                .rowKey = &C::tabelle3Key,
                .copiedAs = &copyOfSpinLog},
        ButtonRow{f.okinfo, {3960, 6345, 2115, 435}, largerFace, &C::okinfoClick},
    };
}

std::vector<Placement> rightColumn(FormModel& f)
{
    using C = FormController;
    return {
        heading(f.Label1, {7200, 300, 1575, 255}, centredTop),
        TextBoxRow{f.textanzahl,
                   {7200, 540, 1575, 420},
                   countFace,
                   &C::textanzahlEdited,
                   "Anzahl W\u00fcrfe",
                   &f.okstart},
        LabelRow{f.Label15,
                 LabelKind::fileName,
                 {7200, 990, 1575, 270},
                 plainFace,
                 colour::midGreyText,
                 centredTop,
                 false,
                 "Hinweis zur Anzahl W\u00fcrfe"},
        // Shown top to bottom 0, 1, 3, 2.
        OptionGroupRow{f.Option1,
                       {{{7200, 1215, 1575, 435},
                         {7200, 1530, 1575, 435},
                         {7200, 2160, 1575, 435},
                         {7200, 1830, 1575, 435}}},
                       &C::option1Click},
        TextBoxRow{f.haltbei,
                   {7320, 2625, 1215, 375},
                   largerFace,
                   &C::haltbeiEdited,
                   "Halt bei Wurf",
                   &f.okstart},
        heading(f.Label17, {7200, 3195, 810, 180}),
        display(f.Lrotat, {7155, 3420, 840, 375}, countFace, "Aktuelle Rotation"),
        heading(f.Label2, {8235, 3195, 495, 180}),
        display(f.lzahl, {8145, 3420, 615, 375}, countFace, "Aktuell geworfene Zahl"),
        stateButton(f.okstart, {7140, 4080, 1680, 450}, &C::okstartClick, &startButtonState),
        ButtonRow{f.okabbrechen, {7140, 4680, 1695, 435}, windowFace, &C::okabbrechenClick},
        ButtonRow{f.okextern, {7140, 5760, 1695, 435}, windowFace, &C::okexternClick},
        ButtonRow{f.okende, {7140, 6300, 1680, 450}, windowFace, &C::okendeClick},
    };
}

std::vector<Placement> columns(FormModel& f)
{
    std::vector<Placement> rows = leftColumn(f);
    // Rows hold references, so they are copied in one by one, never assigned.
    for (const auto& column : {middleColumn(f), rightColumn(f)})
        for (const Placement& row : column)
            rows.push_back(row);
    return rows;
}

// Over the middle column.
std::vector<Placement> infoViewer(FormModel& f)
{
    // One pixel wider than designed (3405): the guidance box under it
    // reaches that much further, and no edge of it may show beside the viewer.
    return {ViewerRow{f.infotext, {3360, 240, 3420, 6015}, "Infotext"}};
}

// Over the right column.
std::vector<Placement> importPanel(FormModel& f)
{
    using C = FormController;
    return {
        FrameRow{f.Frame1, {6960, 120, 2115, 6735}, f.okexternabbruch, &C::okexternabbruchClick},
        DriveListRow{f.Drive1, {105, 420, 1905, 315}, "Laufwerk", &C::drive1Choose},
        heading(f.Label10, {735, 1260, 435, 225}, leftTop, "Dateimuster *.txt"),
        DirListRow{f.Dir1, {105, 1785, 1905, 1440}, "Ordner", &C::dir1Open},
        FileListRow{
            f.File1, {105, 3465, 1905, 2235}, "Permanenzdateien", &C::file1Click, &C::file1Click},
        ButtonRow{f.okexternok, {210, 6090, 750, 330}, windowFace, &C::okexternokClick},
        ButtonRow{f.okexternabbruch,
                  {1155, 6090, 750, 330},
                  windowFace,
                  &C::okexternabbruchClick,
                  "Import abbrechen"},
    };
}

} // namespace

std::vector<Placement> layoutOf(WindowPart part, FormModel& f)
{
    switch (part) {
    case WindowPart::columns:
        return columns(f);
    case WindowPart::infoViewer:
        return infoViewer(f);
    case WindowPart::importPanel:
        return importPanel(f);
    }
    return {};
}

} // namespace ravelin
