#include "ObjectAnimation.h"

#include "ObjectWindow.h"
#include "environment/InstallEnv.h"
#include "platform/CommonControls.h"
#include "wizard/WizardMessages.h"

CObjectAnimation::~CObjectAnimation() {
    // The clip stops before its control goes.
    if (::IsWindow(m_owned.get())) {
        m_animation.Stop();
    }
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
    m_owned.reset(m_animation.GetHandle());
    if (!m_animation.Open(path)) {
        m_owned.reset();
        m_animation.Detach();
        why = "AVI file " + path + " cannot be played";
        return false;
    }
    m_animation.Play(0, 0xFFFF, -1);
    setup::ApplyEnableAndShow(m_animation, record);
    return true;
}
