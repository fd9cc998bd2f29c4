// The plain page ("NORMAL."): a page made only of its configured objects.
// Entering it tells every window below it to refresh what it shows.
#pragma once

#include "PageDlg.h"

class CNormalPage : public CPageDlg {
public:
    explicit CNormalPage(int templateId = 130);

    void OnEnterPage(const std::string& parameter) override;
};
