#include <array>

#include "strings/text_entries.h"

namespace zarvek {
namespace {

// Texts of the window and its commands: what the operator sees when an entry or a file stops a
// command. Each message says what happened, to which field or file, and that nothing was written.
constexpr std::array kWindowTexts = {
    TextEntry{1100, "The entry for %1 is not a number:\r\n\"%2\"\r\nCorrect it and try again.",
              "Die Eingabe für %1 ist keine Zahl:\r\n\"%2\"\r\n"
              "Bitte korrigieren Sie die Eingabe."},
    TextEntry{1101, "Invalid Number", "Ungültige Zahl"},
    TextEntry{1102,
              "The probe diameter \"%1\" contains the digit-group separator \"%2\", which would "
              "change its value without notice.\r\nEnter the diameter without it, with \"%3\" as "
              "the decimal separator.",
              "Der Tasterdurchmesser \"%1\" enthält das Tausendertrennzeichen \"%2\", das "
              "seinen Wert unbemerkt verändern würde.\r\nGeben Sie den Durchmesser ohne "
              "dieses Zeichen ein, mit \"%3\" als Dezimaltrennzeichen."},
    TextEntry{1103, "Probe Diameter", "Tasterdurchmesser"},
    TextEntry{1104, "Part Name", "Werkstückname"},
    TextEntry{1105, "The installed Zarvek file could not be read, so nothing was written.\r\n%1",
              "Die installierte Zarvek Datei konnte nicht gelesen werden; es wurde nichts "
              "geschrieben.\r\n%1"},
    TextEntry{1106, "Cannot Read Zarvek File", "Zarvek Datei nicht lesbar"},
    TextEntry{1107,
              "The installed file %1 is not a Zarvek file: its first line holds no \"$\". "
              "Nothing was written.",
              "Die installierte Datei %1 ist keine Zarvek Datei: ihre erste Zeile enthält "
              "kein \"$\". Es wurde nichts geschrieben."},
    TextEntry{1108, "Not a Zarvek File", "Keine Zarvek Datei"},
    TextEntry{1109,
              "The Zarvek file could not be written; the installed file was left as it "
              "was.\r\n%1",
              "Die Zarvek Datei konnte nicht geschrieben werden; die installierte Datei bleibt "
              "unverändert.\r\n%1"},
    TextEntry{1110, "Cannot Write Zarvek File", "Zarvek Datei nicht schreibbar"},
    TextEntry{1111, "The file %1 cannot be shown.\r\n%2",
              "Die Datei %1 kann nicht angezeigt werden.\r\n%2"},
    TextEntry{1112, "Cannot Open File", "Datei kann nicht geöffnet werden"},
    TextEntry{1113, "The command could not be completed; nothing was written.\r\n%1",
              "Der Befehl konnte nicht ausgeführt werden; es wurde nichts geschrieben.\r\n%1"},
    TextEntry{1114, "Error", "Fehler"},
    TextEntry{1115, "It is larger than %1 MB, far larger than any Zarvek file.",
              "Sie ist größer als %1 MB, weit größer als jede Zarvek Datei."},
    TextEntry{1116, "It cannot be read: it may be locked, or access may be denied.",
              "Sie kann nicht gelesen werden: sie ist vielleicht gesperrt, oder der Zugriff wird "
              "verweigert."},
    // Remove Part and Restore Previous Grid File.
    TextEntry{1117, "Remove Part", "Werkstück entfernen"},
    TextEntry{1118,
              "Remove part %1 \"%2\" from the Zarvek file?\r\n%3\r\nThe file as it is now is "
              "kept as its backup: restoring the previous Zarvek file brings the part back.",
              "Werkstück %1 \"%2\" aus der Zarvek Datei entfernen?\r\n%3\r\nDie Datei, wie sie "
              "jetzt ist, wird als Sicherung aufbewahrt: Wiederherstellen der vorherigen Zarvek "
              "Datei bringt das Werkstück zurück."},
    TextEntry{1119,
              "The Zarvek file %1 has changed since it was read: part %2 is no longer \"%3\". "
              "No part was removed.",
              "Die Zarvek Datei %1 wurde verändert, seit sie gelesen wurde: Werkstück %2 ist "
              "nicht mehr \"%3\". Es wurde kein Werkstück entfernt."},
    TextEntry{1120, "Part Not Removed", "Werkstück nicht entfernt"},
    TextEntry{1121, "The Zarvek file could not be read, so no part was removed.\r\n%1",
              "Die Zarvek Datei konnte nicht gelesen werden; es wurde kein Werkstück "
              "entfernt.\r\n%1"},
    TextEntry{1122,
              "The file %1 is not a Zarvek file: its first line holds no \"$\". No part was "
              "removed.",
              "Die Datei %1 ist keine Zarvek Datei: ihre erste Zeile enthält kein \"$\". Es "
              "wurde kein Werkstück entfernt."},
    TextEntry{1123, "The part could not be removed; the Zarvek file was left as it was.\r\n%1",
              "Das Werkstück konnte nicht entfernt werden; die Zarvek Datei bleibt "
              "unverändert.\r\n%1"},
    TextEntry{1124, "&Restore Previous Grid File", "Vorherige Zarvek Datei &wiederherstellen"},
    TextEntry{1125,
              "Restore the previous Zarvek file?\r\n%1\r\nThe backup was saved on %3; number of "
              "parts: %2.\r\nThe current file becomes the backup, so this restore can itself be "
              "undone.",
              "Die vorherige Zarvek Datei wiederherstellen?\r\n%1\r\nDie Sicherung wurde am %3 "
              "gespeichert; Anzahl der Werkstücke: %2.\r\nDie aktuelle Datei wird zur "
              "Sicherung, so dass auch diese Wiederherstellung rückgängig gemacht werden kann."},
    TextEntry{1126,
              "The Zarvek file is missing:\r\n%1\r\nPut its backup in its place? The backup was "
              "saved on %3; number of parts: %2.",
              "Die Zarvek Datei fehlt:\r\n%1\r\nIhre Sicherung an ihre Stelle setzen? Die "
              "Sicherung wurde am %3 gespeichert; Anzahl der Werkstücke: %2."},
    TextEntry{1127,
              "There is no previous Zarvek file to restore: %1 has no backup.\r\nA backup is "
              "kept each time the file is replaced.",
              "Es gibt keine vorherige Zarvek Datei zum Wiederherstellen: %1 hat keine "
              "Sicherung.\r\nBei jedem Ersetzen der Datei wird eine Sicherung aufbewahrt."},
    TextEntry{1128, "The backup cannot be restored, so nothing was changed.\r\n%1",
              "Die Sicherung kann nicht wiederhergestellt werden; es wurde nichts "
              "verändert.\r\n%1"},
    TextEntry{1129,
              "The backup %1 has changed since it was read, so nothing was restored. Try again to "
              "see what it holds now.",
              "Die Sicherung %1 wurde verändert, seit sie gelesen wurde; es wurde nichts "
              "wiederhergestellt. Versuchen Sie es erneut, um zu sehen, was sie jetzt enthält."},
    TextEntry{1130,
              "The previous Zarvek file could not be restored; the Zarvek file was left as it "
              "was.\r\n%1",
              "Die vorherige Zarvek Datei konnte nicht wiederhergestellt werden; die Zarvek Datei "
              "bleibt unverändert.\r\n%1"},
    TextEntry{1131, "%1-%2-%3 %4:%5", "%3.%2.%1 %4:%5"},
    TextEntry{1132, "Restore Previous Grid File", "Vorherige Zarvek Datei wiederherstellen"},
    TextEntry{1133, "Ctrl+N", "Strg+N"},
    TextEntry{1134,
              "The entry for %1, \"%2\", contains the digit-group separator \"%3\", which would "
              "change its value without notice.\r\nEnter the number without it, with \"%4\" as "
              "the decimal separator.",
              "Die Eingabe für %1, \"%2\", enthält das Tausendertrennzeichen \"%3\", das ihren "
              "Wert unbemerkt verändern würde.\r\nGeben Sie die Zahl ohne dieses Zeichen ein, mit "
              "\"%4\" als Dezimaltrennzeichen."},
    // The status line after a write: what was written, and where the file before it is kept.
    TextEntry{1135,
              "\"%1\" was written as the only part of the new Zarvek file %2; there was no "
              "previous file to keep.",
              "\"%1\" wurde als einziges Werkstück in die neue Zarvek Datei %2 geschrieben; es "
              "gab keine vorherige Datei zum Aufbewahren."},
    TextEntry{1136,
              "\"%1\" was written as the only part of the Zarvek file %2; the previous file is "
              "kept as %3.",
              "\"%1\" wurde als einziges Werkstück in die Zarvek Datei %2 geschrieben; die "
              "vorherige Datei wird als %3 aufbewahrt."},
    TextEntry{1137,
              "\"%1\" was added as part %2 of the Zarvek file %3; the previous file is kept as "
              "%4.",
              "\"%1\" wurde als Werkstück %2 an die Zarvek Datei %3 angefügt; die vorherige "
              "Datei wird als %4 aufbewahrt."},
    TextEntry{1138,
              "Part %1 \"%2\" was removed from the Zarvek file %3; the previous file is kept as "
              "%4.",
              "Werkstück %1 \"%2\" wurde aus der Zarvek Datei %3 entfernt; die vorherige Datei "
              "wird als %4 aufbewahrt."},
    TextEntry{1139,
              "The Zarvek file %1 was restored from its backup (number of parts: %2); the file it "
              "replaced is now the backup %3.",
              "Die Zarvek Datei %1 wurde aus ihrer Sicherung wiederhergestellt (Anzahl der "
              "Werkstücke: %2); die ersetzte Datei ist jetzt die Sicherung %3."},
    TextEntry{1140,
              "The Zarvek file %1 was restored from its backup %3 (number of parts: %2), which "
              "stays as it was.",
              "Die Zarvek Datei %1 wurde aus ihrer Sicherung %3 wiederhergestellt (Anzahl der "
              "Werkstücke: %2), die unverändert bleibt."},
    TextEntry{1141, "File shown: %1", "Angezeigte Datei: %1"},
    TextEntry{1148,
              "The part name holds %1, which a Zarvek file cannot hold: stored, each would become "
              "\"?\". Change the name; nothing was written.",
              "Der Name des Werkstücks enthält %1, was eine Zarvek Datei nicht aufnehmen kann: "
              "gespeichert würde daraus jeweils \"?\". Ändern Sie den Namen; es wurde nichts "
              "geschrieben."},
    TextEntry{1149, "Part Name Not Possible", "Name des Werkstücks nicht möglich"},
};

}  // namespace

// Texts of the window, ids 1100 to 1149.
std::span<const TextEntry> WindowTexts() {
    return kWindowTexts;
}

}  // namespace zarvek
