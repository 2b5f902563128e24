#pragma once

namespace ravelin {

struct FormModel;
class FileSystem;

// The Info button: shows and hides the info text beside the program.
class InfoViewer {
public:
    InfoViewer(FormModel& form, FileSystem& files) : form_(form), files_(files) {}

    void okinfoClick();

private:
    FormModel& form_;
    FileSystem& files_;
};

} // namespace ravelin
