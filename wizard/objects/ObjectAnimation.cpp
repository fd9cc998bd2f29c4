#include "ObjectAnimation.h"

#include "ObjectWindow.h"
#include "environment/InstallEnv.h"
#include "platform/CommonControls.h"
#include "wizard/WizardMessages.h"

CObjectAnimation::~CObjectAnimation() {
    HWND animation = m_animation.Detach();
    if (animation != nullptr && ::IsWindow(animation)) {
        platform::Animation(animation).Stop();
    }
    setup::DestroyChildWindow(animation);
}

bool CObjectAnimation::CreateObject(const OBJECT_RECORD& record, HWND page, int, std::string& why) {
    if (record.aviFile.empty()) {
        why = "no AVI_FILE";
        return false;
    }
    CInstallEnv* env = GetInstallEnv();
    const std::string path =
        env != nullptr ? env->ResolvePath(record.aviFile, false) : record.aviFile;
    platform::InitCommonControlClasses();
    const RECT rect = record.Rect(100, 100);
    if (!m_animation.Create(page, kObjectControlId, rect,
                            WS_CHILD | WS_VISIBLE | ACS_TRANSPARENT)) {
        why = "the animation control cannot be created";
        return false;
    }
    if (!m_animation.Open(path)) {
        HWND animation = m_animation.Detach();
        setup::DestroyChildWindow(animation);
        why = "AVI file " + path + " cannot be played";
        return false;
    }
    m_animation.Play(0, 0xFFFF, -1);
    setup::ApplyEnableAndShow(m_animation, record);
    return true;
}
