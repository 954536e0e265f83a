#include "Shots.h"
#include "GalleryWnd.h"
#include "PngShot.h"
#include <cstdio>
#include <vector>

namespace {

struct Shot {
  std::string title;
  std::string file;
  int width, height;
};

void PumpFor(DWORD ms) {
  DWORD start = ::GetTickCount();
  do {
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    ::Sleep(10);
  } while (::GetTickCount() - start < ms);
}

// Makes the folder and any missing parents.
bool MakeFolder(const std::string& dir) {
  for (size_t i = 0; i <= dir.size(); ++i) {
    if (i == dir.size() || dir[i] == '\\' || dir[i] == '/') {
      std::string part = dir.substr(0, i);
      if (!part.empty() && part.back() != ':') ::CreateDirectoryA(part.c_str(), NULL);
    }
  }
  DWORD attrs = ::GetFileAttributesA(dir.c_str());
  return attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY);
}

std::string HtmlText(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

bool WriteIndex(const std::string& path, const std::vector<Shot>& shots) {
  FILE* f = fopen(path.c_str(), "wb");
  if (f == NULL) return false;
  fprintf(f,
          "<!DOCTYPE html>\n<html><head><meta charset=\"windows-%u\"><title>Ostrel gallery</title>\n"
          "<style>body{font-family:sans-serif;background:#eee}section{margin:1em 0}"
          "img{border:1px solid #888;display:block}</style></head>\n<body><h1>Ostrel gallery</h1>\n",
          ::GetACP());
  for (const Shot& shot : shots) {
    std::string title = HtmlText(shot.title);
    fprintf(f, "<section><h2>%s</h2><img src=\"%s\" width=\"%d\" height=\"%d\" alt=\"%s\"></section>\n", title.c_str(),
            HtmlText(shot.file).c_str(), shot.width, shot.height, title.c_str());
  }
  fprintf(f, "</body></html>\n");
  return fclose(f) == 0;
}

// The page's modal window open over it, as a picture of the main window's client area on screen.
bool TakeModalShot(CGalleryWnd& wnd, CGalleryPage& page, const std::string& folder, Shot& shot, std::string& error) {
  shot.title = std::string((const char*)page.Title()) + " (dialog open)";
  shot.file = std::string(page.ModalShotSlug()) + ".png";
  CRect rc;
  wnd.GetClientRect(&rc);
  wnd.ClientToScreen(&rc);
  shot.width = rc.Width();
  shot.height = rc.Height();
  bool bTaken = false;
  error = "the dialog of " + shot.file + " did not show";
  page.RunModalShot([&] { bTaken = SaveScreenPng(rc, folder + shot.file, error); });
  return bTaken;
}

}  // namespace

int RunShots(CGalleryWnd& wnd, const std::string& dir) {
  if (!MakeFolder(dir)) {
    fprintf(stderr, "gallery: cannot make the folder %s\n", dir.c_str());
    return 1;
  }
  const std::string folder = dir + "\\";
  // Pixels are read from the screen, so the window must stay on top and be fully painted.
  ::SetWindowPos(wnd.m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  PumpFor(300);

  ::CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
  std::vector<Shot> shots;
  int nResult = 0;
  for (int i = 0; i < wnd.PageCount() && nResult == 0; ++i) {
    CGalleryPage* pPage = wnd.Page(i);
    wnd.ShowPage(i);
    pPage->PrepareShot();
    wnd.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(150);

    Shot shot = {(const char*)pPage->Title(), std::string(pPage->Slug()) + ".png", 0, 0};
    CRect rc;
    wnd.GetClientRect(&rc);
    shot.width = rc.Width();
    shot.height = rc.Height();
    std::string error;
    if (SaveClientPng(wnd.m_hWnd, folder + shot.file, error)) {
      shots.push_back(shot);
    } else {
      fprintf(stderr, "gallery: %s\n", error.c_str());
      nResult = 1;
    }
    if (nResult == 0 && pPage->ModalShotSlug() != NULL) {
      Shot modal = {};
      if (TakeModalShot(wnd, *pPage, folder, modal, error)) {
        shots.push_back(modal);
      } else {
        fprintf(stderr, "gallery: %s\n", error.c_str());
        nResult = 1;
      }
    }
  }
  ::CoUninitialize();

  if (nResult == 0 && !WriteIndex(folder + "index.html", shots)) {
    fprintf(stderr, "gallery: cannot write %sindex.html\n", folder.c_str());
    nResult = 1;
  }
  if (nResult == 0) printf("gallery: %d pages written to %s\n", (int)shots.size(), dir.c_str());
  fflush(stdout);
  fflush(stderr);
  return nResult;
}
