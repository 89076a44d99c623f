// Where the notation goes on a sheet of paper: the sheet in the printer's
// dots, the text area inside the margins all round, and the sheet scaled
// into a preview.
#pragma once

class CPrintPage {
public:
    // Printers can print this far inside the edge.
    static constexpr int kMarginMillimetres = 20;
    // The sheet a preview shows when there is no printer to ask.
    static constexpr int kA4WidthMillimetres = 210;
    static constexpr int kA4HeightMillimetres = 297;

    struct Rect {
        int left;
        int top;
        int width;
        int height;
    };
    // A sheet as a device sees it: its size in dots, how far inside its
    // corner the device's origin lies (a printer's printable area), and the
    // dots per inch across and down.
    struct Paper {
        int width;
        int height;
        int offsetX;
        int offsetY;
        int dotsPerInchX;
        int dotsPerInchY;
    };

    // How a print ended, as the toolkit tells it.
    enum Outcome { kPrinted, kCancelled, kRefused };
    // A box to tell it in; text null for none.
    struct Told {
        const char* text;
        const char* caption;
    };

    static int MillimetresToDots(int millimetres, int dotsPerInch);
    // A sheet of the given size, its origin at the corner.
    static Paper Sheet(int widthMillimetres, int heightMillimetres, int dotsPerInchX, int dotsPerInchY);
    // The area inside the margins, in the device's coordinates.
    static Rect TextArea(const Paper& paper);
    // The largest rectangle of the sheet's proportions that fits into the
    // space, centred in it.
    static Rect Fit(const Paper& paper, const Rect& space);
    // Both programs tell a printer's refusal, and nothing else: the user
    // sees a printed page or knows that he cancelled.
    static Told Report(Outcome outcome);
};
