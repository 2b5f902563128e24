// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form_model.h"

#include "board/wheel.h"

namespace ravelin {

FormModel::FormModel(ChangeHandling& handling)
    : tabelle1(controls_, "tabelle1", wheel::numberCount, 4, 1,
               " Zeigt die H\u00e4ufigkeiten der Zahlen 0-36 ab "),
      tabelle2(controls_, "tabelle2", wheel::numberCount, 1, 0,
               "Wurfnummer des ersten Erscheinens einer markierten Zahl "),
      Label6(controls_, "Label6", "Zahl"), Label7(controls_, "Label7", "Anzahl"),
      Label8(controls_, "Label8", "2fach"), Label9(controls_, "Label9", "3fach"),
      okresetl(controls_, "okresetl", "R",
               " L\u00f6scht alle Markierungen  im obigen grauen Feld "),
      Label11(controls_, "Label11", "",
              " Bei diesem Wurf kam zum erstenmal eine Zahl doppelt vor. "),
      Label13(controls_, "Label13", "",
              " Bei diesem Wurf kam zum erstenmal eine Zahl doppelt hintereinander vor. "),
      Label14(controls_, "Label14", "",
              "  Bei diesem Wurf kam zum erstenmal eine Zahl dreifach hintereinander vor. "),
      Command1(controls_, "Command1", "R", " L\u00f6scht die Inhalte im obigen gr\u00fcnen Feld "),
      text(controls_, "text", ""), Label3(controls_, "Label3", "Anzahl"),
      Label4(controls_, "Label4", "Real"), Label5(controls_, "Label5", "Akut"),
      lakut(controls_, "lakut", "", " Aktuelle Anzahl W\u00fcrfe "),
      Lreal(controls_, "Lreal", "", " Aktuelle Anzahl W\u00fcrfe "),
      tabelle3(controls_, "tabelle3", wheel::logRows, 4, 1), okinfo(controls_, "okinfo", "Info"),
      infotext(controls_, "infotext"), Label1(controls_, "Label1", "Anzahl W\u00fcrfe"),
      textanzahl(controls_, "textanzahl", " Anzahl der gew\u00fcnschten W\u00fcrfe "),
      Label15(controls_, "Label15", ""),
      Option1(controls_, "Option1",
              {"Einzelschritt", "Durchlauf", "Halt bei Wurf..", "Rotation/37"},
              {" Bleibt nach jedem Wurf stehen  ", "Bleibt erst beim letzten Wurf stehen ",
               "H\u00e4lt erst bei dem unten angegebenem Wurf ",
               "H\u00e4lt erst bei dem unten angegebenem Wurf "}),
      haltbei(controls_, "haltbei"), Label17(controls_, "Label17", "Rotation"),
      Lrotat(controls_, "Lrotat", "", " Zeigt die aktuell geworfene  Zahl an "),
      Label2(controls_, "Label2", "Zahl"),
      lzahl(controls_, "lzahl", "", " Zeigt die aktuell geworfene  Zahl an "),
      okstart(controls_, "okstart", std::string(startCaption), " Startet die Simulation "),
      okabbrechen(controls_, "okabbrechen", "Abbruch", " Neuanfang "),
      okextern(controls_, "okextern", "Import",
               " Liest beliebige Permanenzen der Hamburger Spielbank ein "),
      okende(controls_, "okende", "Ende", " Beendet das Programm "),
      Frame1(controls_, "Frame1", "Import Permanenz"), Drive1(controls_, "Drive1"),
      Label10(controls_, "Label10", "*.txt"), Dir1(controls_, "Dir1"), File1(controls_, "File1"),
      okexternok(controls_, "okexternok", "OK"),
      okexternabbruch(controls_, "okexternabbruch", "Abbr."), changeHandling(&handling)
{
    // The state the window is designed with, before its start-up runs.
    infotext.setVisible(false);
    infotext.setBackColour(colour::lightOrange);
    textanzahl.setBackColour(colour::lightGreen);
    haltbei.setEnabled(false);
    haltbei.setBackColour(colour::lightGrey);
    okstart.setEnabled(false);
    okstart.setBackColour(colour::lightGreen);
    okabbrechen.setEnabled(false);
    Frame1.setVisible(false);
    // The log's rows stand ready far beyond its entries; the keys go no further.
    tabelle3.stopKeysAtEntries();
    okexternok.setEnabled(false);
    for (Label* box : {&Label11, &Label13, &Label14, &lakut, &Lreal, &Lrotat})
        box->setBackColour(colour::lightGreen);
    lzahl.setBackColour(colour::brightGreen);
}

void FormModel::setTextanzahl(std::string_view text)
{
    if (textanzahl.setText(text))
        changeHandling->textanzahlChanged();
}

void FormModel::setHaltbei(std::string_view text)
{
    if (haltbei.setText(text))
        changeHandling->haltbeiChanged();
}

void FormModel::selectRunMode(int index)
{
    if (Option1.select(index))
        changeHandling->runModeChanged();
}

void FormModel::selectDrive(int index)
{
    if (Drive1.select(index))
        changeHandling->driveChanged();
}

void FormModel::openFolder(const std::string& path)
{
    if (Dir1.setPath(path))
        changeHandling->folderChanged();
}

} // namespace ravelin
