#include "geometry/ArcList.h"

void alAppendVertex(alnode** head, alnode** tail, char*, int x, int y, int r) {
    alnode* node = new alnode{nullptr, x, y, r};
    if (*tail != nullptr) {
        (*tail)->next = node;
    } else {
        *head = node;
    }
    *tail = node;
}

void alPopVertex(alnode** head, char*, int* x, int* y, int* r) {
    alnode* node = *head;
    if (node == nullptr) {
        return;
    }
    *x = node->x;
    *y = node->y;
    *r = node->r;
    *head = node->next;
    delete node;
}

int alGetNumberVertices(alnode* head) {
    int count = 0;
    for (; head != nullptr; head = head->next) {
        ++count;
    }
    return count;
}
