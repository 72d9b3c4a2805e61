#pragma once
// What a GDI handle points at. Bitmaps are the only GDI objects the program uses.

class GdiObject {
public:
    virtual ~GdiObject() = default;
};
using HGDIOBJ = GdiObject*;
using HBITMAP = GdiObject*;
