#include <array>

#include "strings/text_entries.h"

namespace zarvek {
namespace {

// Texts about keeping the grid file safe while several windows or programs work on it.
constexpr std::array kReliabilityTexts = {
    TextEntry{1200,
              "The Zarvek file %1 is being changed by another window or program (it may be "
              "waiting for an answer there). It was still busy after %2 seconds, so nothing was "
              "written.\r\nFinish or close the other one, then try again.",
              "Die Zarvek Datei %1 wird gerade von einem anderen Fenster oder Programm geändert "
              "(vielleicht wartet dort eine Frage auf Antwort). Sie war nach %2 Sekunden noch "
              "belegt; es wurde nichts geschrieben.\r\nBeenden oder schließen Sie das andere "
              "Fenster oder Programm und versuchen Sie es dann noch einmal."},
    TextEntry{1201, "Zarvek File Busy", "Zarvek Datei belegt"},
};

}  // namespace

// Texts of the reliability, ids 1200 to 1249.
std::span<const TextEntry> ReliabilityTexts() {
    return kReliabilityTexts;
}

}  // namespace zarvek
