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
// Operations whose names begin with "z" are internal steps of the control.
class Graph : public tk::Canvas {
public:
    using tk::Canvas::Canvas;
    ~Graph() override;

    // ---- Events raised for the owner; one without a handler yields 0 or none. ----
    std::function<void()> Open;
    std::function<void()> Close;
    std::function<int()> DepthQuery;
    std::function<int()> WidthQuery;
    std::function<int()> HeightQuery;
    std::function<void()> DrawContent;
    std::function<tk::ScrollBar*()> ScrollQueryH;
    std::function<tk::ScrollBar*()> ScrollQueryV;

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
    std::int32_t FDepth = 0;

    // ---- The canvas: opening, painting, scrolling, redrawing, printing ----
    void Event_Open() override;
    void Event_Close() override;
    void Event_Paint(tk::Graphics& g) override;
    void zSBHAdjust();
    void zSBVAdjust();
    void SetColor(tk::Color c);
    void SetXColor(tk::Color c);
    void SetYColor(tk::Color c);
    void SetXLabel(const std::string& markup);
    void SetYLabel(const std::string& markup);
    void SetGrid(bool on);
    void ClearFrame();
    void UpdateScreen();
    void GetContent();
    void ReDrawAll();
    void HandleHScroll(std::int32_t offset);
    void HandleVScroll(std::int32_t offset);
    void HandleResize();
    void PrintGraph(tk::Graphics* g);

    // ---- Axis ranges and coordinate mapping ----
    void SetXAdjust(bool on);
    void SetYAdjust(bool on);
    void SetXMajTix(bool on);
    void SetYMajTix(bool on);
    void SetXMinTix(bool on);
    void SetYMinTix(bool on);
    void SetXTixPix(std::int32_t pixels);
    void SetYTixPix(std::int32_t pixels);
    void SetXZeroLn(bool on);
    void SetYZeroLn(bool on);
    void DefineGraph(double xmin, double xmax, double ymin, double ymax);
    void DefSqGraph(double min, double max);
    void zDefineGRect(double xmin, double xmax, double ymin, double ymax);
    void zDefineXAxis(double lo, double hi);
    void zDefineYAxis(double lo, double hi);
    double zTickSize(std::int32_t index);
    std::int32_t XCoord(double x);
    std::int32_t YCoord(double y);
    double XToVal(std::int32_t column);
    double YToVal(std::int32_t row);

    // ---- Axis drawing ----
    void zDrawLabels();
    void zDrawXAxis();
    void zDrawYAxis();
    std::int32_t zXTickWidth();
    std::int32_t zYTickWidth();
    std::string zTickFormat(double majorStep);

    // ---- Styled strings (SStrings): markup, measuring and drawing ----
    std::string SetSString(const std::string& markup);
    std::int32_t GetSSWidth(const std::string& s);
    std::int32_t GetSSHeight(const std::string& s);
    std::string GetSString(const std::string& s);
    std::string SetSSLineH(const std::string& s, std::int32_t height);
    void SetFontInfo(const std::string& font, std::int32_t size, bool bold, bool italic);
    void SetFontInfo(const std::string& font, std::int32_t size);
    void SetTickFontInfo(const std::string& font, std::int32_t size);
    void DrawSString(const std::string& s, std::int32_t x, std::int32_t y, std::int32_t anchor);
    void DrawSString(const std::string& s, std::int32_t x, std::int32_t y);
    void SetTitle(const std::string& markup);

    // ---- Plot primitives in data coordinates ----
    void DrawLine(double x1, double y1, double x2, double y2);
    void DrawPoint(double x, double y);
    void DrawShape(double x, double y, std::int32_t shape);
    void DrawBar(double x, double y, double width);
    void DrawXUBar(double x, double y, double plus, double minus);
    void DrawYUBar(double x, double y, double plus, double minus);
    void DrawVector(double x, double y, double dx, double dy);
    void CurveStart(double x, double y);
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
