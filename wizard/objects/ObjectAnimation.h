// An animation object: a transparent animation control playing "AVI_FILE"
// from the first to the last frame in an endless loop. An object without a
// file, or with a file the control cannot play, is left out.
#pragma once

#include <windows.h>

#include <string>

#include "ObjectRecord.h"
#include "platform/Animation.h"
#include "platform/Handle.h"

class CObjectAnimation {
public:
    CObjectAnimation() = default;
    ~CObjectAnimation();
    CObjectAnimation(const CObjectAnimation&) = delete;
    CObjectAnimation& operator=(const CObjectAnimation&) = delete;

    bool CreateObject(const OBJECT_RECORD& record, HWND page, int index, std::string& why);
    HWND GetHandle() const { return m_animation.GetHandle(); }

private:
    platform::UniqueWindow m_owned;
    platform::Animation m_animation;
};
