// The four 16 x 16 images of the service tree, drawn on a magenta background that the mask makes
// transparent.

#include "ui/main_dialog.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>

namespace {

enum class Shape { RoundedSquare, Circle, Block };

struct TreeImage {
    wxColour fill;
    Shape shape;
};

// Service, binding, operation, request: the image indices the tree's four levels use.
const TreeImage kTreeImages[] = {
    {wxColour(70, 130, 180), Shape::RoundedSquare},
    {wxColour(46, 139, 87), Shape::RoundedSquare},
    {wxColour(210, 105, 30), Shape::Circle},
    {wxColour(100, 100, 100), Shape::Block},
};

const wxColour kMaskColour(255, 0, 255);

wxBitmap DrawTreeImage(const TreeImage& image) {
    wxBitmap bitmap(16, 16, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(wxBrush(kMaskColour));
    dc.Clear();
    // Crisp edges: an antialiased edge would blend with the magenta and escape the mask.
    if (wxGraphicsContext* gc = dc.GetGraphicsContext()) {
        gc->SetAntialiasMode(wxANTIALIAS_NONE);
    }
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(wxBrush(image.fill));
    // Shapes span (2, 2) to (14, 14), right and bottom exclusive; the block is 10 x 12 from (3, 2).
    switch (image.shape) {
    case Shape::RoundedSquare:
        dc.DrawRoundedRectangle(2, 2, 12, 12, 1.5);
        break;
    case Shape::Circle:
        dc.DrawEllipse(2, 2, 12, 12);
        break;
    case Shape::Block:
        dc.DrawRectangle(3, 2, 10, 12);
        break;
    }
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

} // namespace

namespace quorvel::ui {

void MainDialog::BuildTreeImages() {
    m_imageList.Create(16, 16, true, 4);
    for (const auto& image : kTreeImages) {
        m_imageList.Add(DrawTreeImage(image), kMaskColour);
    }
}

} // namespace quorvel::ui
