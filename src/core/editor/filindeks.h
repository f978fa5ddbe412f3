#pragma once
// The file index: one section per folder that holds CNC programs, named by the
// folder path, whose FilType names the file pattern of that folder. The
// transfer programs keep their file lists by it. Built from the machine
// sections as stored, not from the dialog.
namespace brul {

class Editor;

// Writes the data folder's entry, then for each machine 1..antall with a
// stored folder its folder entry and its backup folder's entry, in that order
// (a later entry for the same folder wins), in one batch. A count above 255 is
// taken as 255.
// False when the index could not be saved (the operator was told).
bool SkrivFilindeks(long antall);

// The Indeks check box's click handler: marks the editor changed and, when the
// box is now ticked on the "Program" page, offers to write the file index.
void IndeksClick(Editor& e);

}  // namespace brul
