#include "shell/Icon_Art_Provider.h"

#include <map>
#include <wx/filename.h>
#include <wx/image.h>

Icon_Art_Provider::Icon_Art_Provider(const wxString& directory) : m_Directory(directory)
{
    if (!m_Directory.empty() && !m_Directory.EndsWith("/"))
        m_Directory += "/";
}

wxString Icon_Art_Provider::File_Of(const wxArtID& id) const
{
    wxString name = id;
    name.StartsWith("wxART_", &name);
    name.Replace("_", "-");
    return m_Directory + name.Lower() + ".svg";
}

wxBitmapBundle Icon_Art_Provider::CreateBitmapBundle(const wxArtID& id, const wxArtClient& client,
                                                     const wxSize& size)
{
    // The toolkit's own dialogs and menus keep the desktop's icons.
    if (client != wxART_OTHER)
        return wxBitmapBundle();
    const wxString file = File_Of(id);
    if (!wxFileName::FileExists(file))
        return wxBitmapBundle();
    return wxBitmapBundle::FromSVGFile(file, size.IsFullySpecified() ? size : wxSize(32, 32));
}

namespace
{
    // Renders the normal bundle at the size asked for and greys it there,
    // so a disabled tool is as sharp as an enabled one.
    class Disabled_Bundle : public wxBitmapBundleImpl
    {
    public:
        explicit Disabled_Bundle(const wxBitmapBundle& normal) : m_Normal(normal) {}

        wxSize GetDefaultSize() const override { return m_Normal.GetDefaultSize(); }
        wxSize GetPreferredBitmapSizeAtScale(double scale) const override
        {
            return m_Normal.GetPreferredBitmapSizeAtScale(scale);
        }

        wxBitmap GetBitmap(const wxSize& size) override
        {
            const long key = (long(size.x) << 16) | size.y;
            auto it = m_Cache.find(key);
            if (it != m_Cache.end())
                return it->second;
            wxImage image = m_Normal.GetBitmap(size).ConvertToImage();
            if (!image.HasAlpha())
                image.InitAlpha();
            unsigned char* rgb = image.GetData();
            unsigned char* alpha = image.GetAlpha();
            for (int i = 0, n = image.GetWidth() * image.GetHeight(); i < n; i++, rgb += 3)
            {
                // Light grey, the shape kept by a little of its shading,
                // and half transparent on any background.
                const int grey = (rgb[0] * 30 + rgb[1] * 59 + rgb[2] * 11) / 100;
                rgb[0] = rgb[1] = rgb[2] = (unsigned char)(150 + grey * 80 / 255);
                alpha[i] = (unsigned char)(alpha[i] * 2 / 5);
            }
            return m_Cache[key] = wxBitmap(image);
        }

    private:
        wxBitmapBundle m_Normal;
        std::map<long, wxBitmap> m_Cache;
    };
}

wxBitmapBundle Disabled_Look(const wxBitmapBundle& normal)
{
    if (!normal.IsOk())
        return wxBitmapBundle();
    return wxBitmapBundle::FromImpl(new Disabled_Bundle(normal));
}
