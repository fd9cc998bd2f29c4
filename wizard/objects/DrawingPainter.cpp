#include "DrawingPainter.h"

#include "foundation/APIFunction.h"
#include "platform/Gdi.h"

namespace setup {
namespace {

// Loaded on the first gradient; the libraries stay loaded for the run.
const CAPIFunction& SystemFunctions() {
    static CAPIFunction table;
    static const bool loaded = table.Load();
    (void)loaded;
    return table;
}

void FillWith(HDC dc, const RECT& rect, COLORREF color) {
    platform::UniqueBrush brush(::CreateSolidBrush(color));
    ::FillRect(dc, &rect, brush.get());
}

void PaintRectangle(HDC dc, const DRAWING_RECORD& drawing) {
    const RECT rect = drawing.Rect();
    platform::UniquePen pen(
        ::CreatePen(PS_SOLID, static_cast<int>(drawing.lineWidth), drawing.color));
    platform::SelectObjectGuard selectPen(dc, pen.get());
    platform::SelectObjectGuard selectBrush(dc, ::GetStockObject(NULL_BRUSH));
    ::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void PaintGroupBox(HDC dc, const DRAWING_RECORD& drawing) {
    RECT rect = drawing.Rect();
    ::DrawEdge(dc, &rect, EDGE_ETCHED, BF_RECT);
    if (drawing.name.empty()) {
        return;
    }
    platform::DcStateGuard state(dc);
    ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc, &metrics);
    ::SetBkMode(dc, OPAQUE);
    ::SetBkColor(dc, drawing.backColor);
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    // Centred on the etched line, which is two pixels high.
    const int top = rect.top + 1 - metrics.tmHeight / 2;
    ::TextOutA(dc, rect.left + kGroupTitleIndent, top, drawing.name.c_str(),
               static_cast<int>(drawing.name.size()));
}

TRIVERTEX Vertex(LONG x, LONG y, COLORREF color) {
    TRIVERTEX vertex = {};
    vertex.x = x;
    vertex.y = y;
    vertex.Red = static_cast<COLOR16>(GetRValue(color) << 8);
    vertex.Green = static_cast<COLOR16>(GetGValue(color) << 8);
    vertex.Blue = static_cast<COLOR16>(GetBValue(color) << 8);
    return vertex;
}

void PaintGradient(HDC dc, const DRAWING_RECORD& drawing) {
    const RECT rect = drawing.Rect();
    TRIVERTEX vertices[] = {Vertex(rect.left, rect.top, drawing.startColor),
                            Vertex(rect.right, rect.bottom, drawing.endColor)};
    GRADIENT_RECT mesh = {0, 1};
    if (!SystemFunctions().GradientFill(dc, vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_H)) {
        FillWith(dc, rect, drawing.endColor);
    }
}

}  // namespace

void PaintDrawing(HDC dc, const DRAWING_RECORD& drawing) {
    RECT rect = drawing.Rect();
    switch (drawing.type) {
        case DRAWING_RECORD::kLine:
            FillWith(dc, rect, drawing.color);
            break;
        case DRAWING_RECORD::kRectangle:
            PaintRectangle(dc, drawing);
            break;
        case DRAWING_RECORD::kEdge:
            ::DrawEdge(dc, &rect, EDGE_ETCHED, BF_TOP);
            break;
        case DRAWING_RECORD::kGroupBox:
            PaintGroupBox(dc, drawing);
            break;
        case DRAWING_RECORD::kGradient:
            PaintGradient(dc, drawing);
            break;
        default:
            break;
    }
}

}  // namespace setup
