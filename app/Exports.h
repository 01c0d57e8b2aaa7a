// The functions the host calls by name.
#pragma once

#include "host/msgeom.h"
#include "host/mstypes.h"

extern "C" {
int InitApplicationDll();
int UnloadApplicationDll();
int Quorvelle_Create_Start();
int Quorvelle_Create_Accept(DPoint3d* point, int view);
int Quorvelle_Edit_Accept(DPoint3d* point, int view);
void Quorvelle_Update_Start();
void Quorvelle_Update_All();
void Quorvelle_Update_Selected();
int Quorvelle_Filter(int preLocate, int reserved, DgnModelRefP modelRef, ULong filePos);
int Quorvelle_Reset();
int Quorvelle_CleanUp();
int Quorvelle_TurnAutoUpdate();
int IsAutoUpdate();
int IsAttachAppMenu();
void Quorvelle_ManageFontMap();
void Quorvelle_ManageLink();
void Quorvelle_ReplaceLink(const char* commandText);
int Quorvelle_ImportMultiTables_Start();
int Product_Help();
void Product_Support();
int Product_About();
int Product_CheckUpdate();
int Product_Demo();
}
