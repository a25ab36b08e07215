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
    TextEntry{1133, "Ctrl+N", "Strg+N"},
    TextEntry{1134,
              "The entry for %1, \"%2\", contains the digit-group separator \"%3\", which would "
              "change its value without notice.\r\nEnter the number without it, with \"%4\" as "
              "the decimal separator.",
              "Die Eingabe für %1, \"%2\", enthält das Tausendertrennzeichen \"%3\", das ihren "
              "Wert unbemerkt verändern würde.\r\nGeben Sie die Zahl ohne dieses Zeichen ein, mit "
              "\"%4\" als Dezimaltrennzeichen."},
};

}  // namespace

// Texts of the window, ids 1100 to 1149.
std::span<const TextEntry> WindowTexts() {
    return kWindowTexts;
}

}  // namespace zarvek
