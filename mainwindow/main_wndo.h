#pragma once

#include "graph/graph.h"
#include "mainwindow/tm_frame.h"
#include "phasor/phasor_diagram.h"
#include "toolkit/buttons.h"
#include "toolkit/edit_field.h"
#include "toolkit/menu_item.h"
#include "toolkit/range_control.h"
#include "toolkit/shared_instance.h"
#include "toolkit/window.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

// The main window: the plots of the wavefunction and of its density, and the controls that set the
// initial state and run the animation. Its shared instance is made and shown on the first call of
// Instance().
class MainWndo : public tk::Window, public tk::SharedWindow<MainWndo> {
public:
    static constexpr int kComponents = 6;
    static constexpr int kSamples = 101;

    // The element classes of the control arrays; an element is made with its index.
    template <class Kind> class Element : public Kind {
    public:
        explicit Element(int index) : Kind(index) {}
    };
    class STLabel : public Element<tk::StaticText> {
        using Element::Element;
    };
    class Phasor : public Element<PhasorDiagram> {
        using Element::Element;
    };
    class RBNth : public Element<tk::RadioButton> {
        using Element::Element;
    };
    class EFMagn : public Element<tk::EditField> {
        using Element::Element;
    };
    class EFAngle : public Element<tk::EditField> {
        using Element::Element;
    };
    class STML : public Element<tk::StaticText> {
        using Element::Element;
    };
    class STAL : public Element<tk::StaticText> {
        using Element::Element;
    };

    // ---- State ----
    double dAngle = 0.1;                          // phase step in degrees per frame for n = 1 at speed 1
    std::array<std::int32_t, kComponents> Show{}; // 1 where component index + 1 is shown
    bool Blanked = false;                         // the phasors were blanked by an edit since normalizing
    std::array<double, kSamples> PsiReal{};
    std::array<double, kSamples> PsiIm{};
    std::array<double, kSamples> PsiSqrd{};

    // ---- Construction ----
    void Layout() override;
    void CreateControls() override;
    virtual void _CreateControls0();

    // ---- Handlers ----
    virtual void GFWFunc_Open();
    virtual void GFWFunc_DrawContent();
    virtual void GFProb_Open();
    virtual void GFProb_DrawContent();
    virtual void RBTotal_Action();
    virtual void RBNth_Action(int index);
    virtual void EFMagn_TextChange(int index);
    virtual void EFMagn_GotFocus(int index);
    virtual void EFAngle_TextChange(int index);
    virtual void EFAngle_GotFocus(int index);
    virtual void PBNorm_Action();
    virtual void PBStart_Action();
    virtual void TMFrame_Action();

    // ---- The items of the window's menu bar, by name ----
    tk::MenuItem* HelpMenu() const;
    tk::MenuItem* HelpAbout() const;
    tk::MenuItem* EditMenu() const;
    tk::MenuItem* EditSelectAll() const;
    tk::MenuItem* UntitledMenu0() const;
    tk::MenuItem* EditClear() const;
    tk::MenuItem* EditPaste() const;
    tk::MenuItem* EditCopy() const;
    tk::MenuItem* EditCut() const;
    tk::MenuItem* UntitledMenu1() const;
    tk::MenuItem* EditUndo() const;
    tk::MenuItem* FileMenu() const;
    tk::MenuItem* FileQuit() const;

    void AddMenuHandlers() override;
    void Event_Open() override;
    void Event_Close() override;
    virtual bool _HelpAbout_Action();
    virtual void DoNormalize();
    virtual void DoBlank();
    virtual void ShowAll();

private:
    void SelectWholeText(tk::EditField& field);
    tk::MenuItem* MenuItemNamed(const std::string& name) const;
    // Makes a control of kind T, registers it under its name (and index), and returns it as found
    // by that name, ready for its settings.
    template <class T> T& Create(const std::string& name, int index = tk::Control::kNoIndex);
    void CreateGraphs();
    void CreateControlGroup();
    void CreateComponentRow(int i);
    void CreateRunControls();

    // The controls the handlers work on, found once when they are made.
    Graph* wavefunction_ = nullptr;
    Graph* probability_ = nullptr;
    tk::GroupBox* group_ = nullptr;
    std::array<PhasorDiagram*, kComponents> phasors_{};
    std::array<tk::EditField*, kComponents> magnitudes_{};
    std::array<tk::EditField*, kComponents> angles_{};
    tk::PushButton* normalize_ = nullptr;
    tk::PushButton* start_ = nullptr;
    tk::Slider* speed_ = nullptr;
    TMFrame* timer_ = nullptr;
    bool writingFields_ = false; // while the window itself writes the magnitude fields
};
