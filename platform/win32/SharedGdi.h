#pragma once
// Fonts, pens and solid brushes shared by the whole program: one GDI object
// per description, made when the first holder asks for it and deleted when
// the last one lets it go. Windows 95 and 98 keep every program's GDI objects
// in 64 KB heaps, where seventy controls with a font and a brush of their own
// would each take places that one object can serve.
#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "ui/Font.h"

// One holder's hold on an object of a kind (TKind names the pool); asking
// for another description lets the one held go.
template <class TKey, class TKind>
class TSharedGdiObject {
public:
    TSharedGdiObject() = default;
    ~TSharedGdiObject() { Let(); }
    TSharedGdiObject(const TSharedGdiObject&) = delete;
    TSharedGdiObject& operator=(const TSharedGdiObject&) = delete;

    // The objects of this kind that the program holds.
    static size_t Count() { return Pool().size(); }

protected:
    // The object for Key, made by Make when nobody holds one yet. The one
    // held before may be deleted: it must not be selected into a DC.
    template <class TMake>
    HGDIOBJ Hold(const TKey& Key, TMake&& Make) {
        if (FHeld != Pool().end() && FHeld->first == Key) return FHeld->second.Handle;
        auto found = Pool().find(Key);
        if (found == Pool().end()) found = Pool().emplace(Key, TEntry{Make(), 0}).first;
        ++found->second.Holders;
        Let();
        FHeld = found;
        return found->second.Handle;
    }

private:
    struct TEntry {
        HGDIOBJ Handle;
        int Holders;
    };
    using TPool = std::map<TKey, TEntry>;
    // Never destroyed: a holder may outlive the statics of this file.
    static TPool& Pool() {
        static TPool& pool = *new TPool;
        return pool;
    }
    void Let() {
        if (FHeld == Pool().end()) return;
        if (--FHeld->second.Holders == 0) {
            DeleteObject(FHeld->second.Handle);
            Pool().erase(FHeld);
        }
        FHeld = Pool().end();
    }

    typename TPool::iterator FHeld = Pool().end();
};

// The system's font for a description: its colour is not the font's.
class TSharedFont : public TSharedGdiObject<std::tuple<std::string, int, int, int>, TSharedFont> {
public:
    HFONT Get(const TFont& Font);
};

class TSharedBrush : public TSharedGdiObject<COLORREF, TSharedBrush> {
public:
    HBRUSH Get(COLORREF Color);
};

// A solid pen one pixel wide.
class TSharedPen : public TSharedGdiObject<COLORREF, TSharedPen> {
public:
    HPEN Get(COLORREF Color);
};
