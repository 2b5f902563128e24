#pragma once

namespace ravelin {

struct FormModel;
class FileSystem;

// The import panel with its drive, folder and file lists.
class ImportPanel {
public:
    ImportPanel(FormModel& form, FileSystem& files) : form_(form), files_(files) {}

    // Fills the lists with the program's current drive and folder.
    void initialise();

    void okexternClick();
    void okexternokClick();
    void okexternabbruchClick();
    void drive1Change();
    void dir1Change();
    void file1Click();

private:
    FormModel& form_;
    FileSystem& files_;
};

} // namespace ravelin
