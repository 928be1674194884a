#pragma once

class QDialog;

namespace velnar::dialogs {

// Runs a dialog modally and returns its result. The windows open their
// dialogs through this seam, so that tests record them instead of blocking.
class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    virtual int Run(QDialog& dialog) = 0;
};

class ExecModalRunner final : public ModalRunner {
public:
    int Run(QDialog& dialog) override;
};

}  // namespace velnar::dialogs
