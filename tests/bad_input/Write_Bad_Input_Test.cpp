// Every record the program writes, at a place where it cannot be written:
// a directory that takes no new files, a read-only file, a full disk. One
// test per record, one row per place: nothing crashes, the program does
// what it does for that record, and every other record is written whole.

#include "activities/CSim_Reflections.h"
#include "shell/CSim_Frame.h"
#include "shell/CSim_Theme.h"
#include "shell/CSim_Themes.h"
#include "tests/activities/Activity_Helpers.h"
#include "tests/bad_input/Bad_Files.h"
#include "tests/simframe/Sim_Test_Window.h"
#include "tests/support/Frame_Fixture.h"
#include "tests/support/Gui_Helpers.h"

#include <wx/textctrl.h>

namespace
{
    const std::string LOG = "aufzeichnungen/aktivitaet.log";
    const std::string NOTES = "aufzeichnungen/notizen.txt";
    const std::string SIM_LOG = "aufzeichnungen/simulation.log";
    const std::string ANSWERS = "aufzeichnungen/antworten.txt";

    const std::string ANSWERS_TEXT = "Reflektionshilfen\n\n____________________\n1. Reflektionshilfe\n\n"
                                     "Thema: Nahrungsketten\nBewertung: 3   \nErl\xE4uterung:\n\n";
    const std::string SIM_HEADER = "Aufzeichung der Aktivit\xE4ten\nDatum: ";
}

/// A course that writes all four records: the activity log, the notes, the
/// log of a simulation and the reflection answers. Each test sends one of
/// them to a bad place and the others to "aufzeichnungen/".
class Bad_Write_Place : public Frame_Fixture
{
protected:
    struct Places
    {
        std::string log = LOG, notes = NOTES, sim_log = SIM_LOG, answers = ANSWERS;
    };

    /// A place of its own for each case, so that no case sees another's.
    std::string Bad_Path(int index, const char* name)
    {
        return "gesperrt_" + std::to_string(index) + "/" + name;
    }

    void Write_Course(const Places& places)
    {
        m_Dir.Make_Dir("aufzeichnungen");
        Write_Ini("THEMES=kurs/themen.ini\nDOLOG=1\nLOGFILE=" + m_Dir.File_Str(places.log)
                  + "\nNOTEPADFILE=" + m_Dir.File_Str(places.notes) + "\n");
        m_Dir.Write("kurs/themen.ini", "[General]\nName=Teichkurs\nReflections=reflexion.ini\n[Themes]\nName=Teich\n"
                                       "Simulation=" HOST_PROBE_PLUGIN "\nSimulation_Log=" + m_Dir.File_Str(places.sim_log) + "\n");
        m_Dir.Write("kurs/reflexion.ini", "Logfile=" + m_Dir.File_Str(places.answers) + "\n[1]\nReflection=Nahrungsketten\n");
    }

    /// The activity log as the end of a run leaves it: header, start, the
    /// pupil's entries, end.
    void Expect_Complete_Log(const std::string& path)
    {
        const std::string log = m_Dir.Read(path);
        const std::string header = "Teichkurs\nAufzeichung der Aktivit\xE4ten\nDatum: ";
        EXPECT_EQ(log.substr(0, header.size()), header);
        EXPECT_NE(log.find("\t00:00:00\tAufzeichnung gestartet\n"), std::string::npos) << log;
        EXPECT_NE(log.find("\tNotiz gemacht\n"), std::string::npos) << log;
        ASSERT_GE(log.size(), 21u);
        EXPECT_EQ(log.substr(log.size() - 21), "Aufzeichnung beendet\n");
    }

    /// The records other than the bad one, after the run.
    void Expect_Other_Records(const Places& places)
    {
        if (places.log == LOG)
        {
            Expect_Complete_Log(LOG);
        }
        if (places.notes == NOTES)
        {
            EXPECT_EQ(m_Dir.Read(NOTES), " ");
        }
        if (places.answers == ANSWERS)
        {
            EXPECT_EQ(m_Dir.Read(ANSWERS), ANSWERS_TEXT);
        }
        if (places.sim_log == SIM_LOG)
        {
            EXPECT_EQ(m_Dir.Read(SIM_LOG).substr(0, SIM_HEADER.size()), SIM_HEADER);
        }
    }

    /// What a read-only file held before the run; nothing for the other
    /// places (a full disk reads as endless zeros).
    std::string Before(Bad_Write kind, const std::string& path)
    {
        return kind == Bad_Write::Read_Only_File ? m_Dir.Read(path) : std::string();
    }

    /// An entry of the pupil's, so that the log has more than its frame.
    void Log_Something()
    {
        Log_Program_Activity("Notiz gemacht");
    }
};

TEST_F(Bad_Write_Place, Activity_Log)
{
    int index = 0;
    for (Bad_Write kind : All_Bad_Writes())
    {
        SCOPED_TRACE(Name_Of(kind));
        Places places;
        places.log = Bad_Path(index++, "aktivitaet.log");
        Bad_Record_Place place(m_Dir, places.log, kind, "altes Profil\n");
        if (!place.Ok())
        {
            ADD_FAILURE() << place.Why();
            continue;
        }
        const std::string before = Before(kind, places.log);
        Write_Course(places);
        Log_Counter messages;
        if (kind == Bad_Write::Full_Disk)
        {
            // The file opens, so nobody is asked; every write fails, and the
            // end goes without a word.
            Make_Frame();
            EXPECT_EQ(m_pFrame->Get_Log_File(), m_Dir.File(places.log));
            Log_Something();
            Destroy_Frame();
        }
        else
        {
            // The place is refused at once: the pupil is asked whether really
            // no profile should be kept, at the start and again at the end.
            wxString question;
            wxTEST_DIALOG(Make_Frame(), Expect_Message(wxYES, &question));
            EXPECT_EQ(question, "Soll wirklich kein Aktivit\u00e4tsprofil erstellt werden ?");
            EXPECT_TRUE(m_pFrame->Is_Logging());
            EXPECT_TRUE(m_pFrame->Get_Log_File().empty());
            Log_Something();
            wxTEST_DIALOG(Destroy_Frame(), wxExpectModal<wxFileDialog>("", wxID_CANCEL),
                          wxExpectModal<wxMessageDialog>(wxYES));
            EXPECT_EQ(m_Dir.Read(places.log), before);
        }
        EXPECT_EQ(messages.Count(), 0);
        Expect_Other_Records(places);
    }
}

TEST_F(Bad_Write_Place, Simulation_Log)
{
    int index = 0;
    for (Bad_Write kind : All_Bad_Writes())
    {
        SCOPED_TRACE(Name_Of(kind));
        Places places;
        places.sim_log = Bad_Path(index++, "simulation.log");
        Bad_Record_Place place(m_Dir, places.sim_log, kind, "alte Simulation\n");
        if (!place.Ok())
        {
            ADD_FAILURE() << place.Why();
            continue;
        }
        const std::string before = Before(kind, places.sim_log);
        Write_Course(places);
        Log_Counter messages;

        // The host hands the place to the simulation of the course...
        Make_Frame();
        ASSERT_NE(m_pFrame->Get_Themes()->Get_Root()->Get_Simulation(), nullptr);
        Log_Something();
        Destroy_Frame();

        // ...and a simulation that logs skips it silently, while another
        // window's log beside it is written whole.
        wxFrame* host = new wxFrame(nullptr, wxID_ANY, "Simulation");
        Test_Sim_Window* blocked = new Test_Sim_Window(host, "");
        Test_Sim_Window* fine = new Test_Sim_Window(host, "");
        EXPECT_TRUE(blocked->Set_Log_File(m_Dir.File(places.sim_log)));
        EXPECT_TRUE(fine->Set_Log_File(m_Dir.File("aufzeichnungen/daneben.log")));
        blocked->Log_Activity("Hechte", "40");
        fine->Log_Activity("Rotfedern", "200");
        blocked->Log_Activity("Zeit", "100");
        fine->Log_Activity("Zeit", "50");
        host->Destroy();
        Process_Events();
        const std::string beside = m_Dir.Read("aufzeichnungen/daneben.log");
        EXPECT_EQ(beside.substr(0, SIM_HEADER.size()), SIM_HEADER);
        EXPECT_NE(beside.find("\tRotfedern\t200\n"), std::string::npos) << beside;
        EXPECT_NE(beside.find("\tZeit\t50\n"), std::string::npos) << beside;
        EXPECT_EQ(beside.find("Hechte"), std::string::npos);

        if (kind == Bad_Write::Read_Only_File)
        {
            EXPECT_EQ(m_Dir.Read(places.sim_log), before);
        }
        EXPECT_EQ(messages.Count(), 0);
        Expect_Other_Records(places);
    }
}

TEST_F(Bad_Write_Place, Reflection_Answers)
{
    int index = 0;
    for (Bad_Write kind : All_Bad_Writes())
    {
        SCOPED_TRACE(Name_Of(kind));
        Places places;
        places.answers = Bad_Path(index++, "antworten.txt");
        Bad_Record_Place place(m_Dir, places.answers, kind, "alte Antworten\n");
        if (!place.Ok())
        {
            ADD_FAILURE() << place.Why();
            continue;
        }
        const std::string before = Before(kind, places.answers);
        Write_Course(places);
        Log_Counter messages;
        Make_Frame();
        CSim_Reflections* reflections = m_pFrame->Get_Themes()->Get_Reflections();
        ASSERT_NE(reflections, nullptr);
        // Nothing written, nothing reported.
        EXPECT_FALSE(reflections->Write_Answers());
        Log_Something();
        Destroy_Frame();
        if (kind == Bad_Write::Read_Only_File)
        {
            EXPECT_EQ(m_Dir.Read(places.answers), before);
        }
        EXPECT_EQ(messages.Count(), 0);
        Expect_Other_Records(places);
    }
}

TEST_F(Bad_Write_Place, Notes)
{
    int index = 0;
    for (Bad_Write kind : All_Bad_Writes())
    {
        SCOPED_TRACE(Name_Of(kind));
        Places places;
        places.notes = Bad_Path(index++, "notizen.txt");
        Bad_Record_Place place(m_Dir, places.notes, kind, "alte Notizen\n");
        if (!place.Ok())
        {
            ADD_FAILURE() << place.Why();
            continue;
        }
        const std::string before = Before(kind, places.notes);
        Write_Course(places);
        Log_Counter messages;
        // The fresh notes file of the start is skipped without a word.
        Make_Frame();
        wxTextCtrl* notes = m_pFrame->Get_Notes();
        EXPECT_TRUE(notes->IsEmpty());
        notes->SetValue("Hechte fressen Rotfedern.");
        notes->MarkDirty();
        Log_Something();

        // Saving fails: the pupil gets the chance to choose another file;
        // declined, saving reports its failure and the notes stay changed.
        bool saved = true;
        wxTEST_DIALOG(saved = m_pFrame->Save_Notes(), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
        EXPECT_FALSE(saved);
        EXPECT_TRUE(notes->IsModified());
        // Closing with those notes keeps the window open.
        wxTEST_DIALOG(m_pFrame->Close(), wxExpectModal<wxMessageDialog>(wxYES),
                      wxExpectModal<wxMessageDialog>(wxYES), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
        Process_Events();
        EXPECT_EQ(CSim_Frame::Get_Frame(), m_pFrame);
        EXPECT_EQ(notes->GetValue(), "Hechte fressen Rotfedern.");

        notes->DiscardEdits();
        Destroy_Frame();
        if (kind == Bad_Write::Read_Only_File)
        {
            EXPECT_EQ(m_Dir.Read(places.notes), before);
        }
        EXPECT_EQ(messages.Count(), 0);
        Expect_Other_Records(places);
    }
}
