// The edit dialogs of the events whose arguments are plain fields, one class
// per event type. Each Run shows the dialog over `owner` and returns true
// only when the dialog ended with OK and its checks passed; only then are
// the referenced values overwritten (see VNDEventForm).
#pragma once

#include "eventeditor/VNDEventForm.h"

class VNDNarration : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(VNString& text, platform::WindowHandle owner);
};

class VNDSerif : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(VNString& speaker, VNString& speech, platform::WindowHandle owner);
};

// Position 0 centre, 1 left, 2 right; alignment 0 bottom, 1 centre, 2 top.
// Both must be chosen.
class VNDCharacter : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(VNString& colourImage, VNString& maskImage, int32_t& position, int32_t& alignment,
             platform::WindowHandle owner);
};

class VNDBackground : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(VNString& image, platform::WindowHandle owner);
};

// Three messages and their jump labels; the third choice may stay empty.
class VNDSelect : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(VNString* msg[3], VNString* label[3], platform::WindowHandle owner);
};

class VNDLabel : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(VNString& name, platform::WindowHandle owner);
};

// Value 0 on, 1 off, 2 invert; must be chosen.
class VNDFlag : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(VNString& name, int32_t& value, platform::WindowHandle owner);
};

class VNDCdda : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(int32_t& track, int32_t& fade, platform::WindowHandle owner);
};

class VNDMidi : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(VNString& file, int32_t& fade, int32_t& loop, platform::WindowHandle owner);
};

// The loop box is ticked only for 1 and written back as 0 or 1.
class VNDPcm : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(VNString& file, int32_t& loop, platform::WindowHandle owner);
};

// Condition 0 always, 1 parameter not 0, 2 parameter 0; must be chosen.
class VNDJump : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(VNString& file, VNString& label, int32_t& condition, VNString& param,
             platform::WindowHandle owner);
};

class VNDTitle : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(VNString& title, platform::WindowHandle owner);
};

class VNDWait : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(int32_t& milliseconds, platform::WindowHandle owner);
};

class VNDComment : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(VNString& text, platform::WindowHandle owner);
};

class VNDMp3 : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(VNString& file, int32_t& fade, platform::WindowHandle owner);
};

// Both effects must be chosen.
class VNDSetFade : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(int32_t& charaEffect, int32_t& charaTime, int32_t& backEffect, int32_t& backTime,
             platform::WindowHandle owner);
};

// target = term1 (operator) term2; the operator must be chosen.
class VNDParam : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(VNString& target, VNString& term1, int32_t& op, VNString& term2,
             platform::WindowHandle owner);
};

// The editor's set only. Channel 0 music, 1 voice, 2 effect; not checked.
class VNDVorbis : public VNDEventForm {
public:
    using VNDEventForm::VNDEventForm;
    bool Run(VNString& file, int32_t& channel, int32_t& fade, int32_t& loop,
             platform::WindowHandle owner);
};
