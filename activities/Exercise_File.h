#pragma once

#include <vector>
#include <wx/string.h>

class CSim_Config;

/// One answer of a question as the course file gives it.
struct Exercise_Answer
{
    bool Correct = false;   ///< the box must be ticked
    wxString Label;         ///< what the box shows when it is a text answer
    /// Full path of the answer's picture when the label asks for one and the
    /// file exists; empty otherwise. Whether it loads is the panel's affair.
    wxString Picture;
};

/// One question group of an exercise or self-test file.
struct Exercise_Question
{
    wxString Text;
    /// Full path of the picture named by "Image" when that file exists.
    wxString Image;
    /// In the order the "Answers" entries enumerate (by name, ignoring case).
    std::vector<Exercise_Answer> Answers;
};

/// Reads the question in the current group of config: "Question", "Image"
/// and the entries of the subgroup "Answers". False, and *question untouched,
/// when the text or the answers are missing. Once the answers are reached the
/// current group is "Answers": callers put the path back.
bool Read_Exercise_Question(CSim_Config& config, Exercise_Question* question);

/// Reads every question group below the root of the file at path, in
/// enumeration order, leaving out the groups that have no text or no answer.
/// False, and *questions untouched, when the file cannot be opened.
bool Read_Exercise_File(const wxString& path, std::vector<Exercise_Question>* questions);
