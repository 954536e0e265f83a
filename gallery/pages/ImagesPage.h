// Resource ids of the images page (block 5100).
#pragma once

#define IDD_IMAGES_PAGE         5100
#define IDS_IMAGES_PAGE         5100
#define IDC_IMAGES_SCENE        5101  // the photograph with its shadow over the background
#define IDC_IMAGES_FACTS        5102
#define IDC_IMAGES_INFO         5103
#define IDC_IMAGES_COLOUR       5104
#define IDC_IMAGES_MASKED       5105  // the masked bitmap in three mapping modes
#define IDC_IMAGES_CPU          5106
#define IDC_IMAGES_FRAME        5107
#define IDC_IMAGES_MASKED_FRAME 5108
