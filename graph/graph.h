#pragma once

#include "graph/graph_error.h"
#include "toolkit/canvas.h"
#include "toolkit/color.h"
#include "toolkit/graphics.h"
#include "toolkit/picture.h"
#include "toolkit/range_control.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// A plotting control. The whole plot lives in an off-screen picture, the frame, which is copied to
// the screen; inside the frame the graph rectangle holds the data, with a title above it, an x-axis
// label below, a y-axis label to its left, axes with 1-2-5 ticks, and optional grid and zero lines.
//
// Positions and sizes are in pixels of the frame, origin at its top left, y growing downwards; data
// values are in the units of the plot's ranges. Failures the control detects raise GraphError with a
// message that starts with the operation's name. An operation that needs the frame or its drawing
// target raises tk::NilObjectException when there is none (before opening, after a failed opening,
// after closing). Mapping a value outside a range is no failure: it sets RErr, which no operation
// clears. Operations whose names begin with "z" are internal steps of the control.
class Graph : public tk::Canvas {
public:
    using tk::Canvas::Canvas;
    ~Graph() override;

    // ---- Events raised for the owner; one without a handler yields 0 or none. ----
    std::function<void()> Open;                   // at the end of opening: set labels, flags, ranges
    std::function<void()> Close;                  // at the end of closing
    std::function<int()> DepthQuery;              // at opening: bit depth; an unsupported one gives 32
    std::function<int()> WidthQuery;              // at opening, with SBH: frame width; 0 the control's
    std::function<int()> HeightQuery;             // at opening, with SBV: frame height; 0 the control's
    std::function<void()> DrawContent;            // by GetContent and ReDrawAll: draw the data
    std::function<tk::ScrollBar*()> ScrollQueryH; // at opening: the horizontal scroll bar, or none
    std::function<tk::ScrollBar*()> ScrollQueryV; // at opening: the vertical scroll bar, or none

    // ---- Fields ----
    tk::ScrollBar* SBH = nullptr; // owner's horizontal scroll bar (not owned), or none
    tk::ScrollBar* SBV = nullptr; // owner's vertical scroll bar (not owned), or none
    tk::Color CBlack = 0;
    tk::Color CWhite = 0;
    std::int32_t FHeight = 0; // frame size in pixels
    std::int32_t FWidth = 0;
    std::int32_t GHeight = 0; // graph rectangle; 0 while no graph is defined
    std::int32_t GLeft = 0;
    std::int32_t GTop = 0;
    std::int32_t GWidth = 0;
    tk::Graphics* GX = nullptr;       // current drawing target: GXP's context, or a printer's
    std::unique_ptr<tk::Picture> GXP; // the frame
    bool Printing = false;
    bool RErr = false; // sticky out-of-range flag of the pixel mapping
    std::int32_t ScPixH = 0;
    std::int32_t ScPixV = 0;
    std::string Title; // SString
    tk::Color CGrid = 0;
    tk::Color XColor = 0;
    std::string XLabel; // SString
    std::int32_t XFlags = 0;
    double XMax = 0;
    double XMin = 0;
    tk::Color YColor = 0;
    std::int32_t YFlags = 0;
    std::string YLabel; // SString
    double YMax = 0;
    double YMin = 0;
    double XVtoPix = 0;
    double YVToPix = 0;
    std::int32_t XTickN = 0;
    std::int32_t XTPower = 0;
    std::int32_t YTickN = 0;
    std::int32_t YTPower = 0;
    bool HasGrid = false;
    std::int32_t PrevCurvV = 0;
    std::int32_t PrevCurvH = 0;
    double InvLog10 = 0;
    std::string TickFont;
    std::int32_t TickFSize = 0;
    // The style the layout measures tick labels in: the tick font and size once the owner has set
    // them; until then "Helvetica" 9, the room that plots with the default tick style are laid out with.
    std::string TickRoomFont;
    std::int32_t TickRoomFSize = 0;
    std::int32_t FDepth = 0;

    // ---- The canvas: opening, painting, scrolling, redrawing, printing ----
    // Makes the frame, sets every default, clears it, raises Open and shows it; raises GraphError
    // "Graph.Open: ..." when the picture or its context cannot be made.
    void Event_Open() override;
    // Releases the frame, then raises Close.
    void Event_Close() override;
    // Copies the frame from (ScPixH, ScPixV) on, the control's size, to g; nothing without a frame.
    void Event_Paint(tk::Graphics& g) override;
    // Sets SBH up for the frame's width: 0 to the hidden pixels, or disabled with ScPixH 0 if it fits.
    void zSBHAdjust();
    // Sets SBV up for the frame's height, likewise with ScPixV.
    void zSBVAdjust();
    // Sets the colour of all following drawing on GX.
    void SetColor(tk::Color c);
    // Stores XColor; nothing drawn reads it.
    void SetXColor(tk::Color c);
    // Stores YColor; nothing drawn reads it.
    void SetYColor(tk::Color c);
    // XLabel = the markup measured in GX's current style (SetSString); shown from the next definition.
    void SetXLabel(const std::string& markup);
    // YLabel = the markup measured in GX's current style; shown from the next definition.
    void SetYLabel(const std::string& markup);
    // Grid lines at the major ticks, from the next definition.
    void SetGrid(bool on);
    // Fills the frame's whole size with white on GX; the colour stays.
    void ClearFrame();
    // Copies the visible part of the frame to the control at once; nothing while Printing.
    void UpdateScreen();
    // Raises DrawContent, then UpdateScreen.
    void GetContent();
    // Raises DrawContent, then asks for a repaint, which copies the frame to the screen: what
    // GetContent shows, with one copy fewer, for a plot drawn again at every frame.
    void GetContentForRepaint();
    // DefineGraph with the stored ranges, then GetContent; raises GraphError "ReDrawAll: Graph has
    // not been defined" while GWidth is 0, and whatever DefineGraph raises.
    void ReDrawAll();
    // DefineGraph with the stored ranges: the empty plot laid out again for the current style.
    void Redefine();
    // Whether there is a frame with a graph defined in it, whose ranges Redefine can draw again.
    bool IsDefined() const;
    // Draws the whole frame on g, scaled into `place`; nothing without a frame.
    void DrawFrameInto(tk::Graphics& g, tk::Rect place) const;
    // Shows the frame from column `offset` on.
    void HandleHScroll(std::int32_t offset);
    // Shows the frame from row `offset` on.
    void HandleVScroll(std::int32_t offset);
    // Fits the frame and the scroll bars to the control's size and redraws; raises GraphError
    // "HandleResize: ..." when a new picture or its context cannot be made, and what ReDrawAll raises.
    void HandleResize();
    // Redraws the whole plot into g (a printer's context) in the frame's layout, nothing copied to
    // the screen; nothing when g is none. GX is the frame's again afterwards, also when it raises.
    void PrintGraph(tk::Graphics* g);

    // ---- Axis ranges and coordinate mapping; flags take effect at the next definition ----
    // Widens the x range outwards to whole major steps (bit 5 of XFlags).
    void SetXAdjust(bool on);
    // Widens the y range outwards to whole major steps (bit 5 of YFlags).
    void SetYAdjust(bool on);
    // Major x ticks with labels (bit 6 of XFlags).
    void SetXMajTix(bool on);
    // Major y ticks with labels (bit 6 of YFlags).
    void SetYMajTix(bool on);
    // Minor x ticks, with the majors and labels (bit 7 of XFlags).
    void SetXMinTix(bool on);
    // Minor y ticks, with the majors and labels (bit 7 of YFlags).
    void SetYMinTix(bool on);
    // At least `pixels` between minor x ticks, held to 3 to 31 (bits 0-4 of XFlags).
    void SetXTixPix(std::int32_t pixels);
    // At least `pixels` between minor y ticks, held to 3 to 31 (bits 0-4 of YFlags).
    void SetYTixPix(std::int32_t pixels);
    // A vertical line at x = 0 when 0 lies inside the x range (bit 8 of XFlags).
    void SetXZeroLn(bool on);
    // A horizontal line at y = 0 when 0 lies inside the y range (bit 8 of YFlags).
    void SetYZeroLn(bool on);
    // The y axis from its minimum at the top down to its maximum at the bottom (bit 9 of YFlags), as
    // time in a picture that is read from the top; off, the maximum is at the top.
    void SetYReversed(bool on);
    // Lays out and draws an empty plot for these data ranges and shows it; raises what
    // zDefineGRect raises, before anything is drawn.
    void DefineGraph(double xmin, double xmax, double ymin, double ymax);
    // Draws what DefineGraph draws for the defined ranges but the x axis, and shows nothing: the part
    // of the empty plot that stays while only the x range moves. The x axis drawn over it in black
    // gives DefineGraph's pixels, unless the y axis has a zero line for the x grid to cross.
    void zDrawAllButXAxis();
    // As DefineGraph for min to max on both axes, the finer axis narrowed to the other's pixels per
    // unit; raises what zDefineGRect and zDefineXAxis or zDefineYAxis raise, before anything is drawn.
    void DefSqGraph(double min, double max);
    // Lays out the graph rectangle around the title, labels and tick labels and defines both axes;
    // raises GraphError "zDefineGRect: Graph is not tall enough." (GHeight 0) or "zDefineGRect: Graph
    // too small." (the rectangle 0) below 100 pixels, and what the axes raise.
    void zDefineGRect(double xmin, double xmax, double ymin, double ymax);
    // Copies the scale of lo to hi on GWidth pixels into XMin, XMax, XVtoPix, XTickN and XTPower;
    // raises GraphError "zDefineXAxis: ..." when GWidth is not positive or the range has no scale,
    // and then changes nothing.
    void zDefineXAxis(double lo, double hi);
    // Copies the scale of lo to hi on GHeight pixels into the Y fields; raises and keeps them likewise.
    void zDefineYAxis(double lo, double hi);
    // The tick step of this index in the 1-2-5 sequence, in units of 10^power: 0 is 1, -1 is 0.5.
    double zTickSize(std::int32_t index);
    // The pixel column of x, rounded; beyond the range (by more than 0.00001 of an end) or not a number:
    // sets RErr and gives the nearer edge. Raises GraphError while GWidth is 0.
    std::int32_t XCoord(double x);
    // The pixel row of y, rounded, counted up from the bottom of the graph rectangle (down from its
    // top on a reversed axis); beyond the range or not a number: sets RErr and gives the nearer
    // edge. Raises GraphError "YCoord: Graph not yet defined." while GHeight is 0.
    std::int32_t YCoord(double y);
    // The x value of a pixel column; outside the range (an end of 0 is outside): sets RErr, gives 0.
    // Raises GraphError "XToVal: Graph is not defined." while GWidth is 0.
    double XToVal(std::int32_t column);
    // The y value of a pixel row; outside the range: sets RErr and gives 0. Raises GraphError while
    // GHeight is 0.
    double YToVal(std::int32_t row);

    // ---- Axis drawing ----
    // Draws the title above the graph rectangle, the x label below it and the y label left of it.
    void zDrawLabels();
    // Draws the x ticks and labels in the current colour, grid lines in CGrid, the zero line in black;
    // style and colour stay. A tick just outside the range sets RErr.
    void zDrawXAxis();
    // Draws the y ticks and labels, grid lines and zero line likewise.
    void zDrawYAxis();
    // Width in pixels of the wider of the outer major x tick labels, in TickRoomFont and TickRoomFSize.
    std::int32_t zXTickWidth();
    // Width in pixels of the wider of the outer major y tick labels, in TickRoomFont and TickRoomFSize.
    std::int32_t zYTickWidth();
    // The number pattern of tick labels for this major step: "-#0" from 1 on, to "-#0.0000" below 0.001.
    std::string zTickFormat(double majorStep);

    // ---- Styled strings (SStrings): markup, measuring and drawing ----
    // The markup measured in GX's current font and size, behind a header of lines, line height and
    // widths; "" for "". Raises GraphError "DrawSString: Graphics target undefined." without a target.
    std::string SetSString(const std::string& markup);
    // The width in pixels of an SString's widest line, from its header; 0 for any other string.
    std::int32_t GetSSWidth(const std::string& s);
    // The height in pixels of all of an SString's lines, from its header; 0 for any other string.
    std::int32_t GetSSHeight(const std::string& s);
    // The markup of an SString; any other string as it is.
    std::string GetSString(const std::string& s);
    // s, measured first if it is markup, with its line height set to `height` pixels (modulo 256).
    std::string SetSSLineH(const std::string& s, std::int32_t height);
    // Sets GX's font, size, bold and italic; an empty font or a size of 0 keeps the current one.
    void SetFontInfo(const std::string& font, std::int32_t size, bool bold, bool italic);
    // Sets GX's font and size; an empty font or a size of 0 keeps the current one.
    void SetFontInfo(const std::string& font, std::int32_t size);
    // Sets the font and size of tick labels, drawn and measured for the layout in them from the next
    // definition; an empty font or a size of 0 keeps the current one.
    void SetTickFontInfo(const std::string& font, std::int32_t size);
    // Draws an SString (or plain markup) with the point `anchor` of its block at (x, y): 1 to 9 as on
    // a numeric keypad, others its first baseline at y from x. Raises GraphError "DrawSString:
    // Graphics target undefined." without a target.
    void DrawSString(const std::string& s, std::int32_t x, std::int32_t y, std::int32_t anchor);
    // Draws an SString with its first baseline at y, starting at x.
    void DrawSString(const std::string& s, std::int32_t x, std::int32_t y);
    // Title = the markup measured in GX's current style; shown from the next definition.
    void SetTitle(const std::string& markup);

    // ---- Plot primitives in data coordinates, drawn on GX in its current colour ----
    // A line between two points; left out whole when an end is out of range, which sets RErr.
    void DrawLine(double x1, double y1, double x2, double y2);
    // A filled dot 5 pixels across; out of range: nothing drawn, RErr set.
    void DrawPoint(double x, double y);
    // A marker of shape 1 to 9, any other code the dot; out of range: nothing drawn, RErr set.
    void DrawShape(double x, double y, std::int32_t shape);
    // A bar `width` wide centred on x, from 0 to y: outlined in black, filled unless the colour is
    // black; cut off at the graph rectangle, which sets RErr.
    void DrawBar(double x, double y, double width);
    // An error bar on row y from x - minus to x + plus, with end ticks; a row out of range draws
    // nothing, an end out of range is clamped and gets no tick; either sets RErr.
    void DrawXUBar(double x, double y, double plus, double minus);
    // An error bar on column x from y - minus to y + plus, likewise.
    void DrawYUBar(double x, double y, double plus, double minus);
    // A line from (x, y) by (dx, dy) with an arrowhead at its tip; parts out of range are left out
    // and set RErr.
    void DrawVector(double x, double y, double dx, double dy);
    // Starts a curve at a point, drawing nothing; out of range: from the nearer edge, RErr set.
    void CurveStart(double x, double y);
    // Continues the curve with a line to a point; left out when the point is out of range, which
    // sets RErr.
    void CurveTo(double x, double y);

    // The drawing target and the frame. Every operation reaches them through these, so that one
    // that needs them after a failed opening or after closing raises tk::NilObjectException.
    tk::Graphics& Target();
    tk::Picture& Frame();

private:
    // The drawing target of styled strings, which report a missing one as a GraphError.
    tk::Graphics& TextTarget();
    // Makes the frame picture and takes its context as the target; `operation` names the caller in
    // the GraphError raised when either cannot be had.
    void MakeFrame(const std::string& operation);
    // Copies the part of the frame the control shows, from the scroll offsets on, to g.
    void CopyFrameTo(tk::Graphics& g);
};
