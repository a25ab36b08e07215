#include <array>

#include "strings/text_entries.h"

namespace zarvek {
namespace {

// Texts of the command-line tool zarvek-grid (and the full-file refusal of Add, which the window
// shows as well). Lines are separated by "\n"; the tool writes them as the terminal expects.
constexpr std::array kCliTexts = {
    TextEntry{1150,
              "Usage:\n"
              "  zarvek-grid check SEATS [--accept-spread]\n"
              "  zarvek-grid make  SEATS --probe D --name NAME [--file PATH] [--yes] "
              "[--accept-spread]\n"
              "  zarvek-grid add   SEATS --probe D --name NAME [--file PATH] [--yes] "
              "[--accept-spread]\n"
              "  zarvek-grid remove (--part N | --name NAME) [--file PATH] [--yes]\n"
              "  zarvek-grid restore [--file PATH] [--yes]\n"
              "  zarvek-grid show  [PATH | --file PATH]\n"
              "  zarvek-grid lint  [PATH | --file PATH] [--json]\n"
              "SEATS: --p1 X,Y,Z,I,J,K --p2 X,Y,Z,I,J,K --p3 X,Y,Z,I,J,K\n"
              "\n"
              "Commands:\n"
              "  check    Check the pattern of the three seats. On a pass, print the seat\n"
              "           directions as unit vectors (one seat a line) and \"Pattern is Good!\".\n"
              "  make     Check the pattern and write it as the only part of a new grid file.\n"
              "  add      Check the pattern and append it to an existing grid file.\n"
              "  remove   Remove one part from a grid file, chosen by its number or name.\n"
              "  restore  Put the grid file's backup (Gridfile.dat.bak) back in its place; the\n"
              "           file it replaces becomes the backup, so a restore undoes itself.\n"
              "  show     Print the text of a grid file.\n"
              "  lint     Report a grid file's header, parts and problems.\n"
              "\n"
              "Options:\n"
              "  --p1, --p2, --p3  Position X,Y,Z (mm) and direction I,J,K of seat 1, 2, 3.\n"
              "                    Numbers use \".\" as the decimal separator and no digit\n"
              "                    grouping, in every locale; a value may begin with \"-\".\n"
              "  --probe D         Probe diameter in mm; must equal the file's for add.\n"
              "  --name NAME       Part name, stored as given; remove: the part to remove.\n"
              "  --part N          remove: the number of the part to remove (as lint lists).\n"
              "  --file PATH       Grid file to write, or for show and lint to read (default:\n"
              "                    the installed Gridfile.dat).\n"
              "  --yes             Replace an existing grid file, remove or restore without\n"
              "                    asking.\n"
              "  --accept-spread   Accept a pattern whose spread is too narrow.\n"
              "  --json            lint: print the report as one JSON object.\n"
              "  --help            Print this help.\n"
              "show and lint take PATH alone or after --file; without it they read the\n"
              "installed Gridfile.dat. The word after an option is always its value.\n"
              "\n"
              "Exit codes:\n"
              "  0  done (lint: no problem found)\n"
              "  1  refused by a rule (pattern check, empty field, probe diameter, redundant\n"
              "     lengths, line break in the name, grid file full; remove: no such part, a\n"
              "     name of several parts, the file changed meanwhile); lint: problems found\n"
              "  2  usage error\n"
              "  3  grid file or its backup missing or not readable, parsable or writable, or\n"
              "     no installed grid file known\n"
              "  4  not written because replacing, removing or restoring was not confirmed\n"
              "  5  not written because another program held the grid file for 10 seconds\n",
              "Aufruf:\n"
              "  zarvek-grid check SEATS [--accept-spread]\n"
              "  zarvek-grid make  SEATS --probe D --name NAME [--file PATH] [--yes] "
              "[--accept-spread]\n"
              "  zarvek-grid add   SEATS --probe D --name NAME [--file PATH] [--yes] "
              "[--accept-spread]\n"
              "  zarvek-grid remove (--part N | --name NAME) [--file PATH] [--yes]\n"
              "  zarvek-grid restore [--file PATH] [--yes]\n"
              "  zarvek-grid show  [PATH | --file PATH]\n"
              "  zarvek-grid lint  [PATH | --file PATH] [--json]\n"
              "SEATS: --p1 X,Y,Z,I,J,K --p2 X,Y,Z,I,J,K --p3 X,Y,Z,I,J,K\n"
              "\n"
              "Befehle:\n"
              "  check    Prüft die Anordnung der drei Punkte. Ist sie gut, werden die\n"
              "           Richtungen als Einheitsvektoren (ein Punkt je Zeile) und\n"
              "           \"Anordnung ist OK!\" ausgegeben.\n"
              "  make     Prüft die Anordnung und schreibt sie als einziges Werkstück in eine\n"
              "           neue Zarvek Datei.\n"
              "  add      Prüft die Anordnung und hängt sie an eine bestehende Zarvek Datei an.\n"
              "  remove   Entfernt ein Werkstück, gewählt nach Nummer oder Name, aus einer\n"
              "           Zarvek Datei.\n"
              "  restore  Setzt die Sicherung (Gridfile.dat.bak) wieder an die Stelle der\n"
              "           Zarvek Datei; die ersetzte Datei wird zur Sicherung, so dass ein\n"
              "           restore sich selbst rückgängig macht.\n"
              "  show     Gibt den Text einer Zarvek Datei aus.\n"
              "  lint     Berichtet Kopfzeile, Werkstücke und Probleme einer Zarvek Datei.\n"
              "\n"
              "Optionen:\n"
              "  --p1, --p2, --p3  Position X,Y,Z (mm) und Richtung I,J,K von Punkt 1, 2, 3.\n"
              "                    Zahlen mit \".\" als Dezimaltrennzeichen und ohne\n"
              "                    Tausendertrennzeichen, in jeder Sprache; ein Wert darf mit\n"
              "                    \"-\" beginnen.\n"
              "  --probe D         Tasterdurchmesser in mm; bei add gleich dem der Datei.\n"
              "  --name NAME       Name des Werkstücks, unverändert gespeichert; remove: das\n"
              "                    zu entfernende Werkstück.\n"
              "  --part N          remove: die Nummer des zu entfernenden Werkstücks (wie lint\n"
              "                    sie angibt).\n"
              "  --file PATH       Zu schreibende, bei show und lint zu lesende Zarvek Datei\n"
              "                    (sonst die installierte Gridfile.dat).\n"
              "  --yes             Eine bestehende Zarvek Datei ohne Rückfrage ersetzen,\n"
              "                    ein Werkstück entfernen oder wiederherstellen.\n"
              "  --accept-spread   Eine Anordnung mit zu geringem Abstand annehmen.\n"
              "  --json            lint: den Bericht als ein JSON-Objekt ausgeben.\n"
              "  --help            Diese Hilfe ausgeben.\n"
              "show und lint nehmen PATH allein oder nach --file; ohne PATH lesen sie die\n"
              "installierte Gridfile.dat. Das Wort nach einer Option ist immer ihr Wert.\n"
              "\n"
              "Rückgabewerte:\n"
              "  0  erledigt (lint: kein Problem gefunden)\n"
              "  1  von einer Regel abgelehnt (Prüfung der Anordnung, leeres Feld,\n"
              "     Tasterdurchmesser, überbestimmte Längen, Zeilenumbruch im Namen, Zarvek\n"
              "     Datei voll; remove: kein solches Werkstück, ein Name mehrerer Werkstücke,\n"
              "     die Datei wurde inzwischen verändert); lint: Probleme gefunden\n"
              "  2  falscher Aufruf\n"
              "  3  Zarvek Datei oder ihre Sicherung fehlt oder ist nicht lesbar, nicht\n"
              "     auswertbar oder nicht schreibbar, oder keine installierte Zarvek Datei\n"
              "     bekannt\n"
              "  4  nicht geschrieben, weil Ersetzen, Entfernen oder Wiederherstellen nicht\n"
              "     bestätigt wurde\n"
              "  5  nicht geschrieben, weil ein anderes Programm die Zarvek Datei 10 Sekunden\n"
              "     lang belegt hat\n"},
    TextEntry{1151, "Run \"zarvek-grid --help\" for the usage.",
              "\"zarvek-grid --help\" zeigt den Aufruf."},
    TextEntry{1152, "No command given.", "Kein Befehl angegeben."},
    TextEntry{1153, "Unknown command \"%1\".", "Unbekannter Befehl \"%1\"."},
    TextEntry{1154, "The command %1 has no option \"%2\".",
              "Der Befehl %1 hat keine Option \"%2\"."},
    TextEntry{1155, "The option %1 needs a value.", "Die Option %1 braucht einen Wert."},
    TextEntry{1156, "The option %1 takes no value.", "Die Option %1 nimmt keinen Wert."},
    TextEntry{1157, "The option %1 is given more than once.",
              "Die Option %1 ist mehr als einmal angegeben."},
    TextEntry{1158, "Unexpected argument \"%1\".", "Unerwartetes Argument \"%1\"."},
    TextEntry{1159, "The option %1 is missing.", "Die Option %1 fehlt."},
    TextEntry{1160, "%1 needs six values X,Y,Z,I,J,K separated by commas; \"%2\" holds %3.",
              "%1 braucht sechs durch Kommas getrennte Werte X,Y,Z,I,J,K; \"%2\" enthält %3."},
    TextEntry{1161, "%1: value %2 (%3) is empty.", "%1: Wert %2 (%3) ist leer."},
    TextEntry{1162,
              "%1: value %2 (%3) \"%4\" is not a number. Write digits with \".\" as the decimal "
              "separator, no digit grouping and at most a leading \"-\".",
              "%1: Wert %2 (%3) \"%4\" ist keine Zahl. Schreiben Sie Ziffern mit \".\" als "
              "Dezimaltrennzeichen, ohne Tausendertrennzeichen und höchstens mit einem \"-\" "
              "am Anfang."},
    TextEntry{1163,
              "--probe: \"%1\" is not a number. Write digits with \".\" as the decimal separator, "
              "no digit grouping and at most a leading \"-\".",
              "--probe: \"%1\" ist keine Zahl. Schreiben Sie Ziffern mit \".\" als "
              "Dezimaltrennzeichen, ohne Tausendertrennzeichen und höchstens mit einem \"-\" "
              "am Anfang."},
    TextEntry{1164, "The value of %1 is empty.", "Der Wert von %1 ist leer."},
    TextEntry{1165, "Not accepted; --accept-spread accepts this pattern anyway.",
              "Nicht angenommen; mit --accept-spread wird diese Anordnung trotzdem angenommen."},
    TextEntry{1166, "Accepted with --accept-spread.", "Mit --accept-spread angenommen."},
    TextEntry{1167, " [y/N] ", " [j/N] "},
    TextEntry{1168,
              "The grid file %1 exists and was not replaced; nothing was written. Give --yes to "
              "replace it, or run the command in a terminal to be asked.",
              "Die Zarvek Datei %1 besteht bereits und wurde nicht ersetzt; es wurde nichts "
              "geschrieben. Mit --yes wird sie ersetzt, in einem Terminal wird nachgefragt."},
    TextEntry{1169, "The grid file %1 was not replaced; nothing was written.",
              "Die Zarvek Datei %1 wurde nicht ersetzt; es wurde nichts geschrieben."},
    TextEntry{1170,
              "The part name contains a line break, which a grid file cannot hold. Nothing was "
              "written.",
              "Der Name des Werkstücks enthält einen Zeilenumbruch, den eine Zarvek Datei nicht "
              "aufnehmen kann. Es wurde nichts geschrieben."},
    TextEntry{1171,
              "The Zarvek file %1 already holds 32767 parts, the most a Zarvek file can hold. The "
              "part was not added; nothing was written.",
              "Die Zarvek Datei %1 enthält bereits 32767 Werkstücke, mehr kann eine Zarvek Datei "
              "nicht aufnehmen. Das Werkstück wurde nicht hinzugefügt; es wurde nichts "
              "geschrieben."},
    TextEntry{1172, "Zarvek File Full", "Zarvek Datei voll"},
    TextEntry{1173, "No installed grid file is known, so nothing was done. Name the file with %1.",
              "Keine installierte Zarvek Datei bekannt; es wurde nichts getan. Geben Sie die "
              "Datei mit %1 an."},
    TextEntry{1174, "The grid file %1 was written.", "Die Zarvek Datei %1 wurde geschrieben."},
    TextEntry{1175, "Grid file: %1", "Zarvek Datei: %1"},
    TextEntry{1176, "Header: %1 parts, tolerance %2, probe diameter %3",
              "Kopfzeile: %1 Werkstücke, Toleranz %2, Tasterdurchmesser %3"},
    TextEntry{1177, "Parts found: %1", "Gefundene Werkstücke: %1"},
    TextEntry{1178, "Part %1 \"%2\": lengths 1-2 %3, 2-3 %4, 3-1 %5",
              "Werkstück %1 \"%2\": Längen 1-2 %3, 2-3 %4, 3-1 %5"},
    TextEntry{1179, "No problems found.", "Keine Probleme gefunden."},
    TextEntry{1180, "Problems found: %1", "Gefundene Probleme: %1"},
    TextEntry{1181,
              "Part %1 \"%2\", seat %3: the direction has the length %4, not 1 (the wizard "
              "stores unit vectors).",
              "Werkstück %1 \"%2\", Punkt %3: die Richtung hat die Länge %4, nicht 1 (der "
              "Assistent speichert Einheitsvektoren)."},
    TextEntry{1182,
              "Part %1 \"%2\": more than two of its lengths match lengths of the parts before "
              "it; Add would have refused it.",
              "Werkstück %1 \"%2\": mehr als 2 seiner Längen sind bereits in den Werkstücken "
              "davor vorhanden; Hinzufügen hätte es abgelehnt."},
    TextEntry{1183, "The header says %1 parts, but the file holds %2.",
              "Die Kopfzeile nennt %1 Werkstücke, die Datei enthält aber %2."},
    TextEntry{1184, "Line 1 holds no \"$\", so the file is no grid file.",
              "Zeile 1 enthält kein \"$\"; die Datei ist keine Zarvek Datei."},
    TextEntry{1185, "The command could not be completed.\n%1",
              "Der Befehl konnte nicht ausgeführt werden.\n%1"},
    TextEntry{1186, "Part %2 \"%3\" was removed from the grid file %1.",
              "Werkstück %2 \"%3\" wurde aus der Zarvek Datei %1 entfernt."},
    TextEntry{1187,
              "Part %2 \"%3\" was not removed from the grid file %1; nothing was written. Give "
              "--yes to remove it, or run the command in a terminal to be asked.",
              "Werkstück %2 \"%3\" wurde nicht aus der Zarvek Datei %1 entfernt; es wurde nichts "
              "geschrieben. Mit --yes wird es entfernt, in einem Terminal wird nachgefragt."},
    TextEntry{1188, "Part %2 \"%3\" was not removed from the grid file %1; nothing was written.",
              "Werkstück %2 \"%3\" wurde nicht aus der Zarvek Datei %1 entfernt; es wurde nichts "
              "geschrieben."},
    TextEntry{1189,
              "The grid file %1 was restored from its backup; the file it replaced is now the "
              "backup.",
              "Die Zarvek Datei %1 wurde aus ihrer Sicherung wiederhergestellt; die ersetzte "
              "Datei ist jetzt die Sicherung."},
    TextEntry{1190,
              "The grid file %1 was not restored; nothing was changed. Give --yes to restore it, "
              "or run the command in a terminal to be asked.",
              "Die Zarvek Datei %1 wurde nicht wiederhergestellt; es wurde nichts verändert. Mit "
              "--yes wird sie wiederhergestellt, in einem Terminal wird nachgefragt."},
    TextEntry{1191, "The grid file %1 was not restored; nothing was changed.",
              "Die Zarvek Datei %1 wurde nicht wiederhergestellt; es wurde nichts verändert."},
    TextEntry{1192, "The grid file %1 holds no part named \"%2\"; nothing was removed.",
              "Die Zarvek Datei %1 enthält kein Werkstück namens \"%2\"; es wurde nichts "
              "entfernt."},
    TextEntry{1193,
              "The grid file %1 holds %2 parts named \"%3\" (parts %4); nothing was removed. Name "
              "the one to remove with --part.",
              "Die Zarvek Datei %1 enthält %2 Werkstücke namens \"%3\" (Werkstücke %4); es wurde "
              "nichts entfernt. Geben Sie das zu entfernende mit --part an."},
    TextEntry{1194, "The grid file %1 holds %2 parts, so there is no part %3; nothing was removed.",
              "Die Zarvek Datei %1 enthält %2 Werkstücke, ein Werkstück %3 gibt es also nicht; es "
              "wurde nichts entfernt."},
    TextEntry{1195,
              "--part: \"%1\" is not a part number. Write a whole number from 1, without a sign.",
              "--part: \"%1\" ist keine Werkstücknummer. Schreiben Sie eine ganze Zahl ab 1, "
              "ohne Vorzeichen."},
    TextEntry{1196, "remove needs either --part N or --name NAME, one of the two.",
              "remove braucht entweder --part N oder --name NAME, eines von beiden."},
};

}  // namespace

// Texts of the command-line tool, ids 1150 to 1199.
std::span<const TextEntry> CliTexts() {
    return kCliTexts;
}

}  // namespace zarvek
