// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form_model.h"

#include "board/wheel.h"

namespace ravelin {

FormModel::FormModel()
    : tabelle1("tabelle1", wheel::numberCount, 4, 1,
               " Zeigt die H\u00e4ufigkeiten der Zahlen 0-36 ab "),
      tabelle2("tabelle2", wheel::numberCount, 1, 0,
               "Wurfnummer des ersten Erscheinens einer markierten Zahl "),
      Label6("Label6", "Zahl"), Label7("Label7", "Anzahl"), Label8("Label8", "2fach"),
      Label9("Label9", "3fach"),
      okresetl("okresetl", "R", " L\u00f6scht alle Markierungen  im obigen grauen Feld "),
      Label11("Label11", "", " Bei diesem Wurf kam zum erstenmal eine Zahl doppelt vor. "),
      Label13("Label13", "",
              " Bei diesem Wurf kam zum erstenmal eine Zahl doppelt hintereinander vor. "),
      Label14("Label14", "",
              "  Bei diesem Wurf kam zum erstenmal eine Zahl dreifach hintereinander vor. "),
      Command1("Command1", "R", " L\u00f6scht die Inhalte im obigen gr\u00fcnen Feld "),
      text("text", ""), Label3("Label3", "Anzahl"), Label4("Label4", "Real"),
      Label5("Label5", "Akut"), lakut("lakut", "", " Aktuelle Anzahl W\u00fcrfe "),
      Lreal("Lreal", "", " Aktuelle Anzahl W\u00fcrfe "),
      tabelle3("tabelle3", wheel::logRows, 4, 1), okinfo("okinfo", "Info"), infotext("infotext"),
      Label1("Label1", "Anzahl W\u00fcrfe"),
      textanzahl("textanzahl", " Anzahl der gew\u00fcnschten W\u00fcrfe "), Label15("Label15", ""),
      Option1("Option1", {"Einzelschritt", "Durchlauf", "Halt bei Wurf..", "Rotation/37"},
              {" Bleibt nach jedem Wurf stehen  ", "Bleibt erst beim letzten Wurf stehen ",
               "H\u00e4lt erst bei dem unten angegebenem Wurf ",
               "H\u00e4lt erst bei dem unten angegebenem Wurf "}),
      haltbei("haltbei"), Label17("Label17", "Rotation"),
      Lrotat("Lrotat", "", " Zeigt die aktuell geworfene  Zahl an "), Label2("Label2", "Zahl"),
      lzahl("lzahl", "", " Zeigt die aktuell geworfene  Zahl an "),
      okstart("okstart", std::string(startCaption), " Startet die Simulation "),
      okabbrechen("okabbrechen", "Abbruch", " Neuanfang "),
      okextern("okextern", "Import", " Liest beliebige Permanenzen der Hamburger Spielbank ein "),
      okende("okende", "Ende", " Beendet das Programm "), Frame1("Frame1", "Import Permanenz"),
      Drive1("Drive1"), Label10("Label10", "*.txt"), Dir1("Dir1"), File1("File1"),
      okexternok("okexternok", "OK"), okexternabbruch("okexternabbruch", "Abbr.")
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
    okexternok.setEnabled(false);
    for (Label* box : {&Label11, &Label13, &Label14, &lakut, &Lreal, &Lrotat})
        box->setBackColour(colour::lightGreen);
    lzahl.setBackColour(colour::brightGreen);
}

} // namespace ravelin
