// ROVuvu.dll: the host workspace and its sounds.
//
// Workspace model
//   There is one workspace per process. Every IWorkspaceClient object joins it in its
//   constructor and leaves it in its destructor. The host owns the "current document"
//   (an opaque pointer, NULL = none) and tells the workspace when it opens, switches or
//   closes one; every client then gets OnActiveDocumentChange. The host also broadcasts
//   repaints, which reach every client as OnWorkspaceRepaint.
//
//   A broadcast calls the clients registered when it started, in registration order,
//   skipping any that left the workspace meanwhile; clients that join during a broadcast
//   first hear the next one. Clients may leave, join or broadcast again from inside a
//   callback. Clients belong to the user-interface thread: the registry itself is locked,
//   but a client must not be destroyed on another thread while a broadcast runs.
//
// Plain functions
//   C linkage, __cdecl (the caller removes the arguments), so the names in the DLL are
//   undecorated in the 32- and 64-bit builds alike.
#ifndef ROVUVU_H
#define ROVUVU_H

#include <windows.h>

#ifdef ROVUVU_BUILD
#define ROVUVU_API __declspec(dllexport)
#else
#define ROVUVU_API __declspec(dllimport)
#endif

// Base of every object that wants to hear about the host's documents.
class ROVUVU_API IWorkspaceClient {
 protected:
  IWorkspaceClient();                                    // joins the workspace
  IWorkspaceClient(const IWorkspaceClient&);             // a copy is a client of its own
  IWorkspaceClient& operator=(const IWorkspaceClient&);  // keeps the membership as is
  virtual ~IWorkspaceClient();                           // leaves the workspace

  // 1 when the host has a current document, else 0.
  int IsCurrentDocuemntExist();

  // Called after the host opened, switched or closed its current document.
  virtual void OnActiveDocumentChange();
  // Called when the host repaints its workspace.
  virtual void OnWorkspaceRepaint();

  friend struct WorkspaceBroadcast;
};

extern "C" {

// Host side. Makes pDocument the current document (NULL closes it). Clients hear
// OnActiveDocumentChange only when the value really changes. Returns the previous one.
ROVUVU_API void* __cdecl WsSetCurrentDocument(void* pDocument);
// The current document, or NULL.
ROVUVU_API void* __cdecl WsGetCurrentDocument(void);
// Calls OnWorkspaceRepaint of every client.
ROVUVU_API void __cdecl WsRepaintWorkspace(void);
// Number of clients in the workspace now.
ROVUVU_API int __cdecl WsGetClientCount(void);

// Sound numbers for QSPlaySound.
enum {
  QS_SOUND_DEFAULT = 0,      // the default beep
  QS_SOUND_INFORMATION = 1,  // "SystemAsterisk"
  QS_SOUND_WARNING = 2,      // "SystemExclamation"
  QS_SOUND_CLICK = 3,        // "MenuCommand": a button or menu click
  QS_SOUND_ERROR = 4,        // "SystemHand"
  QS_SOUND_QUESTION = 5      // "SystemQuestion"
};

// Starts the system sound for nSound and returns at once; the sound plays on in the
// background and replaces one still playing. Unknown numbers and systems without a
// sound device play nothing.
ROVUVU_API void __cdecl QSPlaySound(int nSound);

}  // extern "C"

#endif  // ROVUVU_H
