#include "platform/win32/Win32DownloadApi.h"

#include <urlmon.h>

namespace {

// What the download tells its caller: asked for its binding, it wants the
// server's newest version, not a cached one; told the HTTP answer, it keeps
// its status. URLDownloadToFileA reports success for a server's error page
// (Wine's does), which must not pass for the file. It lives on the caller's
// stack for one download, so its count of references frees nothing.
class TDownloadWatch : public IBindStatusCallback, public IHttpNegotiate {
public:
    DWORD HttpStatus = 0;  // 0 when no HTTP answer was reported

    STDMETHODIMP QueryInterface(REFIID Id, void** Object) override {
        if (IsEqualIID(Id, __uuidof(IUnknown)) || IsEqualIID(Id, __uuidof(IBindStatusCallback)))
            *Object = static_cast<IBindStatusCallback*>(this);
        else if (IsEqualIID(Id, __uuidof(IHttpNegotiate)))
            *Object = static_cast<IHttpNegotiate*>(this);
        else
            return *Object = nullptr, E_NOINTERFACE;
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 1; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP OnStartBinding(DWORD, IBinding*) override { return S_OK; }
    STDMETHODIMP GetPriority(LONG*) override { return E_NOTIMPL; }
    STDMETHODIMP OnLowResource(DWORD) override { return S_OK; }
    STDMETHODIMP OnProgress(ULONG, ULONG, ULONG, LPCWSTR) override { return S_OK; }
    STDMETHODIMP OnStopBinding(HRESULT, LPCWSTR) override { return S_OK; }
    STDMETHODIMP GetBindInfo(DWORD* Flags, BINDINFO*) override {
        *Flags = BINDF_GETNEWESTVERSION | BINDF_NOWRITECACHE;
        return S_OK;
    }
    STDMETHODIMP OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override { return S_OK; }
    STDMETHODIMP OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

    STDMETHODIMP BeginningTransaction(LPCWSTR, LPCWSTR, DWORD, LPWSTR* Headers) override {
        *Headers = nullptr;
        return S_OK;
    }
    STDMETHODIMP OnResponse(DWORD Status, LPCWSTR, LPCWSTR, LPWSTR* Headers) override {
        HttpStatus = Status;
        if (Headers) *Headers = nullptr;
        return S_OK;
    }
};

}  // namespace

TWin32DownloadApi::~TWin32DownloadApi() {
    if (FLibrary) FreeLibrary(FLibrary);
}

TWin32DownloadApi::TUrlDownloadToFile TWin32DownloadApi::Function() {
    if (!FLooked) {
        FLooked = true;
        FLibrary = LoadLibraryA("urlmon.dll");
        if (FLibrary)
            FFunction = reinterpret_cast<TUrlDownloadToFile>(
                reinterpret_cast<void*>(GetProcAddress(FLibrary, "URLDownloadToFileA")));
    }
    return FFunction;
}

// No caller object and no reserved flags; only S_OK with no HTTP error is a
// success (S_FALSE and the like say nothing was fetched).
bool TWin32DownloadApi::DownloadToFile(const std::string& URL, const std::string& FileName) {
    TUrlDownloadToFile download = Function();
    if (!download) return false;
    TDownloadWatch watch;
    const HRESULT result = download(nullptr, URL.c_str(), FileName.c_str(), 0, static_cast<IBindStatusCallback*>(&watch));
    return result == S_OK && watch.HttpStatus < 400;
}
