#include "tests/support/process_state.h"

#include "documents/clip_transfer.h"
#include "documents/file_startup.h"
#include "documents/spec_import.h"
#include "documents/spec_packet.h"
#include "documents/spec_print.h"
#include "documents/spec_record.h"
#include "documents/spectrum_handover.h"
#include "documents/spectrum_loader.h"
#include "drawlib/drawlib_init.h"
#include "engine/engine_globals.h"
#include "groups/sim_item.h"
#include "output/bottom_label.h"
#include "output/printer_control.h"
#include "platform/atomic_file_seam.h"
#include "platform/clipboard.h"
#include "platform/msgbox.h"
#include "platform/paths.h"

void ResetProcessState() {
  // Platform: the memory clipboard, the default title, the program folder, injected failures.
  ClipboardReset();
  SetDefaultMsgBoxTitle("VIREO");
  SetProgramFolderForTests("");
  AtomicWriteFailForTests("");
  // Engine, then the drawing library (with its text layer, pens, lines, step list, output
  // switch, utilities and the settings-file registration).
  ResetEngineState();
  DrawLibReset();
  // Documents: start-up (file locations, the data file), the current spectrum and its caches.
  FileStartupReset();
  ClipTransferReset();
  SpecImportReset();
  SpecPacketReset();
  SpecPrintReset();
  SpecRecordReset();
  SpectrumHandoverReset();
  SpectrumLoaderReset();
  // Output and groups.
  BottomLabelReset();
  PrinterControlReset();
  GroupsReset();
}
