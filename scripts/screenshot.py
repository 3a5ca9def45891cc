#!/usr/bin/env python3
"""Saves the X display (or a rectangle of it) as a PNG, without ImageMagick.
Usage: screenshot.py OUT.png [LEFT TOP RIGHT BOTTOM]"""
import struct,sys,zlib,subprocess
subprocess.run("xwd -root -silent > /tmp/screen.xwd",shell=True,check=True)
d=open('/tmp/screen.xwd','rb').read()
hs=struct.unpack('>I',d[:4])[0]
f=struct.unpack('>25I',d[:100])
w,h=f[4],f[5]; bpl=f[12]; ncol=f[19]; bpp=f[11]//8
off=hs+ncol*12
x0,y0,x1,y1=[int(v) for v in sys.argv[2:6]] if len(sys.argv)>5 else (0,0,w,h)
rows=[]
for y in range(y0,y1):
    r=d[off+y*bpl:off+y*bpl+w*bpp]
    row=bytearray(b'\x00')
    for x in range(x0,x1):
        row+=bytes((r[x*bpp+2],r[x*bpp+1],r[x*bpp]))
    rows.append(bytes(row))
def chunk(t,data): return struct.pack('>I',len(data))+t+data+struct.pack('>I',zlib.crc32(t+data)&0xffffffff)
png=b'\x89PNG\r\n\x1a\n'+chunk(b'IHDR',struct.pack('>IIBBBBB',x1-x0,y1-y0,8,2,0,0,0))+chunk(b'IDAT',zlib.compress(b''.join(rows),6))+chunk(b'IEND',b'')
open(sys.argv[1],'wb').write(png)
