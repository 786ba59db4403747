#pragma once

#include <wx/artprov.h>
#include <wx/bmpbndl.h>

/// The program's own icons: one SVG drawing per art identifier in a
/// directory beside the program ("icons/"), named after the identifier
/// (wxART_GO_BACK is "go-back.svg"). It answers the same identifiers as
/// the toolkit, for the client wxART_OTHER, as bundles that are sharp at
/// every screen scale; an identifier without a drawing is left to the
/// next provider (the desktop's icon theme).
class Icon_Art_Provider : public wxArtProvider
{
public:
    explicit Icon_Art_Provider(const wxString& directory);

    /// The drawing's file for an identifier.
    wxString File_Of(const wxArtID& id) const;

protected:
    wxBitmapBundle CreateBitmapBundle(const wxArtID& id, const wxArtClient& client,
                                      const wxSize& size) override;

private:
    wxString m_Directory;
};

/// The look of an unavailable tool: the same picture, grey and faint,
/// drawn at whatever size and scale the bundle is asked for.
wxBitmapBundle Disabled_Look(const wxBitmapBundle& normal);
