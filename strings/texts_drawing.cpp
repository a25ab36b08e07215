#include "strings/text_entries.h"

namespace zarvek {

// Texts of the pattern drawing and the parts table, ids 1250 to 1299.
std::span<const TextEntry> DrawingTexts() {
    static constexpr TextEntry kTexts[] = {
        {1250, "Type the three seats to see the pattern.",
         "Geben Sie die drei Punkte ein, um die Anordnung zu sehen."},
        {1251, "Two seats are at the same place.", "Zwei Punkte liegen an derselben Stelle."},
        {1252, "A seat direction is zero.", "Eine Punktrichtung ist null."},
        {1253, "The seat directions cancel each other out.",
         "Die Punktrichtungen heben sich gegenseitig auf."},
        {1254, "mm", "mm"},
        {1255, "Seen along the mean seat direction", "Blick entlang der mittleren Punktrichtung"},
        {1256, "The seats are too far apart to draw.",
         "Die Punkte liegen zu weit auseinander, um sie zu zeichnen."},
        {1257, "The seats pass every check.", "Die Punkte bestehen alle Prüfungen."},
        {1258, "File Text", "Dateitext"},
        {1259, "Parts", "Werkstücke"},
        {1260, "No.", "Nr."},
        {1261, "Part", "Werkstück"},
        {1262, "Length 1-2 (mm)", "Länge 1-2 (mm)"},
        {1263, "Length 2-3 (mm)", "Länge 2-3 (mm)"},
        {1264, "Length 3-1 (mm)", "Länge 3-1 (mm)"},
        {1265, "Point 1 X; Y; Z", "Punkt 1 X; Y; Z"},
        {1266, "Point 2 X; Y; Z", "Punkt 2 X; Y; Z"},
        {1267, "Point 3 X; Y; Z", "Punkt 3 X; Y; Z"},
        {1268, "Point 1 I; J; K", "Punkt 1 I; J; K"},
        {1269, "Point 2 I; J; K", "Punkt 2 I; J; K"},
        {1270, "Point 3 I; J; K", "Punkt 3 I; J; K"},
        {1271,
         "Probe diameter: %1 mm    Tolerance: %2 mm    Parts in the header: %3    Parts read: %4",
         "Tasterdurchmesser: %1 mm    Toleranz: %2 mm    Werkstücke laut Kopfzeile: %3    "
         "Gelesen: %4"},
        {1272,
         "Marked parts (%1): more than two of their lengths match lengths of other parts "
         "(a difference below 1.5 mm is a match).",
         "Markierte Werkstücke (%1): mehr als zwei ihrer Längen stimmen mit Längen anderer "
         "Werkstücke überein (ein Unterschied unter 1,5 mm gilt als gleich)."},
        {1273, "No part repeats the lengths of other parts.",
         "Kein Werkstück wiederholt die Längen anderer Werkstücke."},
        {1274,
         "More than two of this part's lengths match lengths of other parts of the file "
         "(a difference below 1.5 mm is a match).",
         "Mehr als zwei Längen dieses Werkstücks stimmen mit Längen anderer Werkstücke der "
         "Datei überein (ein Unterschied unter 1,5 mm gilt als gleich)."},
        {1275, "Add would refuse this part after the parts before it.",
         "Hinzufügen würde dieses Werkstück nach den Werkstücken davor ablehnen."},
        {1276, "This file is not a Zarvek file: its first line holds no \"$\".",
         "Diese Datei ist keine Zarvek Datei: ihre erste Zeile enthält kein \"$\"."},
        {1277, "The parts of this file cannot be shown.\n%1",
         "Die Werkstücke dieser Datei können nicht angezeigt werden.\n%1"},
    };
    return kTexts;
}

}  // namespace zarvek
