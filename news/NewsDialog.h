#pragma once
// The news window: a resizable tool window with the "Update" button on a
// strip at the top, the tree of news headings and their links, and a status
// bar. "Update" fetches the news file and builds the tree anew; a click on
// a link tells the news feed's hidden window, opens the link with the shell
// when it is safe to, and clears the selection so that the same link can be
// clicked again.
#include <string>
#include <vector>

#include "news/FlatButton.h"
#include "news/NewsSystem.h"
#include "ui/Form.h"
#include "ui/ImageList.h"
#include "ui/StdControls.h"
#include "ui/TreeView.h"

class TNewsDialog : public TForm {
public:
    TNewsDialog(TComponent* AOwner, TApplication& Application, const TNewsSystem& System);
    ~TNewsDialog() override;
    const char* ClassName() const override { return "TNewsDialog"; }

    // The window's outer size when it appears, and the smallest it takes.
    static constexpr int DesignWidth = 470;
    static constexpr int DesignHeight = 310;

    TPanel* Panel1;
    TTreeView* tvDirect;
    TFlatButton* btnUpdate;
    TStatusBar* StatusBar;
    TImageList* ImageList1;
    std::vector<std::string> Links;  // by the link nodes' data numbers
    std::vector<std::string> Lines;  // of the news file
    void* NotifyWindow = nullptr;    // told of every link clicked
    std::string URL;                 // of the news file

    // Fetches the news file and builds the tree from it; does nothing while
    // a refresh is running.
    void RefreshNews();
    // The link of the selected node; empty when none or a heading is selected.
    std::string SelectedLink() const;
    void btnUpdateClick(TObject* Sender);
    void tvDirectClick(TObject* Sender);

    // The frame is known once the window exists: it then takes its designed outer size.
    void CreatePeers(TPeerFactory& Factory) override;

private:
    void CreateControls();
    void CreateTree();
    // The window and every control in it.
    std::vector<TControl*> WindowControls();
    void LoadPictures(TResources& Resources);
    void BuildTree();
    void OpenLink(const std::string& Link);
    void SetWaiting(bool Waiting, const std::string& Status);

    TShell& FShell;
    TDownloadApi& FDownload;
    TFileSystem& FFiles;
    std::string FProgramFolder;
    bool FRefreshing = false;
};
